// The character record: creation, reset to the rules' defaults, the action
// labels, the carried resources and the orders. An order only sets the
// destination, the action code and a target; the ticks carry it out.
#include "characters/ClsJeuPerso.h"

#include <algorithm>
#include <cmath>

#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"
#include "rules/ModRandom.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuRessources.h"
#include "world/ClsJeuTresors.h"

namespace {

std::size_t Taille(std::int32_t n) { return static_cast<std::size_t>(std::max<std::int32_t>(n, 0)); }

// Int(r x n) of a draw in [0, 1), as a single, kept below n.
std::int16_t Tirage(GenerateurLocal& generateur, float n) {
    const float r = generateur.Suivant();
    float v = std::floor(r * n);
    if (n >= 1.0f && v > n - 1.0f) v = n - 1.0f;
    return Sature16(v < 0.0f ? 0.0f : v);
}

}  // namespace

void ClsJeuPerso::Init(std::int32_t Indice, const ClsJeuParam& Parametres) {
    if (Main) {
        Init(Indice, Parametres, Main->GenerateurPlateforme);
    } else {
        // Outside a world the look only has to vary from slot to slot.
        GenerateurLocal generateur(static_cast<std::uint64_t>(Indice) + 1);
        Init(Indice, Parametres, generateur);
    }
}

void ClsJeuPerso::Init(std::int32_t Indice, const ClsJeuParam& Parametres, GenerateurLocal& Generateur) {
    Regles = &Parametres;
    MaxRessourcesDepart = Parametres.PersosMaxRessources;
    NiveauObjetsDepart = Parametres.PersosNiveauObjetsDepart;

    NoMaison = Indice;
    ApparenceBase = Tirage(Generateur, static_cast<float>(Parametres.PersosNombreApparences));
    EtapeAnimation = Tirage(Generateur, 3.0f);

    Apparence = false;
    FichierApparence.clear();
    Invocateur = -1;
    EquipementDecrit = false;
    CapaciteEnAttente = -1;
    IndiceObjetSelectionne = -1;
    SelectionRessources = false;

    const std::size_t nr = Taille(Parametres.NombreRessources);
    RessourcesSelectionnees.assign(nr, 0.0);
    CibleChateau = Equipe;
    ArgentSelectionne = 0.0;
    FragsPersos = FragsMaisons = FragsChateaux = Morts = 0;
    Kamikaze = false;
    CibleRessource = 0;
    CiblePerso = Indice;
    SurfaceAttaqueBase = 0;

    Init_Carac(Parametres);
    Vie = VieBase;
    Energie = EnergieBase;
    Magie = MagieBase;
    Moral = MoralBase;
    Attaque = AttaqueBase;
    Defense = DefenseBase;

    const std::size_t ns = Taille(Parametres.NombreCompetencesSpeciales);
    CaracSpeciales.assign(ns, Parametres.PersosNiveauSpecialesDepart);
    ExpSpeciales.assign(ns, 0.0);
    NiveauSpeciales.assign(ns, 0);
    NiveauEffectifSpeciales.assign(ns, 0);
    ExpNivSpeciales.assign(ns, 0.0);
    ExpNivPlusSpeciales.assign(ns, 20.0);

    CaracRessources.assign(nr, Parametres.PersosMaxRessources);
    BonusMaxRessources = 0;
    ExpRessources.assign(nr, 0.0);
    NiveauRessources.assign(nr, 0);
    NiveauEffectifRessources.assign(nr, 0);
    ExpNivRessources.assign(nr, 0.0);
    ExpNivPlusRessources.assign(nr, 15.0);

    // Service row 0 is "no service": competences start at row 1.
    const std::size_t nv = Taille(Parametres.NombreServices - 1);
    CaracServices.assign(nv, Parametres.PersosNiveauServicesDepart);
    ExpServices.assign(nv, 0.0);
    NiveauServices.assign(nv, 0);
    NiveauEffectifServices.assign(nv, 0);
    ExpNivServices.assign(nv, 0.0);
    ExpNivPlusServices.assign(nv, 20.0);

    const std::size_t no = Taille(Parametres.NombreCompetencesObjets);
    CaracObjets.assign(no, Parametres.PersosNiveauObjetsDepart);
    ExpObjets.assign(no, 0.0);
    NiveauObjets.assign(no, 0);
    NiveauEffectifObjets.assign(no, 0);
    ExpNivObjets.assign(no, 0.0);
    ExpNivPlusObjets.assign(no, 20.0);

    // The race fills these; until then every coefficient is neutral.
    CoefRaceCompSpeciales.assign(ns, 1.0f);
    CoefRaceCompRessources.assign(nr, 1.0f);
    CoefRaceCompServices.assign(Taille(Parametres.NombreServices), 1.0f);
    CoefRaceCompObjets.assign(no, 1.0f);

    Ressources.assign(nr, 0.0);
    GainsObjets = false;
    GainArgentObjets = 0.0f;
    GainRessourcesObjets.assign(nr, 0.0f);

    ClsJeuObjet vide;
    vide.Init(Parametres);
    ObjetsEquipes.assign(Taille(Parametres.PersosNombreObjetsEquipes), vide);
    ObjetsInventaire.assign(Taille(Parametres.PersosNombreObjetsInventaire), vide);
    ObjetsEnAttenteSol.clear();

    Changer_Race_Personnage(0, Parametres, false);
    Ajuster_Bonus();
    Calculer_Coef_Vitesse();
    Bestiaire.assign(Taille(Parametres.NombreRaces), 0);
    Arreter();
}

void ClsJeuPerso::Init_Carac(const ClsJeuParam& Parametres) {
    // Current values keep their share of the maximum, except on a record
    // that has no maxima yet.
    auto part = [](double courant, double maximum) { return maximum > 0.0 ? courant / maximum : 1.0; };
    double rVie = part(Vie, Definir_MaxVie());
    double rEnergie = part(Energie, Definir_MaxEnergie());
    double rMagie = part(Magie, Definir_MaxMagie());
    double rMoral = part(Moral, Definir_MaxMoral());
    double rAttaque = part(Attaque, Definir_MaxAttaque());
    double rDefense = part(Defense, Definir_MaxDefense());
    if (VieBase < 1 || EnergieBase < 1 || MagieBase < 1 || MoralBase < 1 || AttaqueBase < 1 || DefenseBase < 1)
        rVie = rEnergie = rMagie = rMoral = rAttaque = rDefense = 1.0;

    Parole = true;
    Experience = true;
    Equiper = true;
    IA_Manger = true;
    Volant = false;
    IA = false;
    IA_Pacifique = false;
    IA_Temeraire = false;
    IA_Berserk = false;

    VieBase = Parametres.PersosMaxVie;
    EnergieBase = Parametres.PersosMaxEnergie;
    MagieBase = Parametres.PersosMaxMagie;
    MoralBase = Parametres.PersosMaxMoral;
    AttaqueBase = Parametres.PersosAttaque;
    DefenseBase = Parametres.PersosDefense;
    Vie = rVie * VieBase;
    Energie = rEnergie * EnergieBase;
    Magie = rMagie * MagieBase;
    Moral = rMoral * MoralBase;
    Attaque = rAttaque * AttaqueBase;
    Defense = rDefense * DefenseBase;

    ExpVie = ExpEnergie = ExpMagie = ExpMoral = ExpAttaque = ExpDefense = 0.0;
    NiveauVie = NiveauEnergie = NiveauMagie = NiveauMoral = NiveauAttaque = NiveauDefense = 0;
    ExpNivVie = ExpNivEnergie = ExpNivMagie = ExpNivMoral = ExpNivAttaque = ExpNivDefense = 0.0;
    ExpNivPlusVie = ExpNivPlusEnergie = ExpNivPlusMagie = ExpNivPlusMoral = 20.0;
    ExpNivPlusAttaque = 400.0;
    ExpNivPlusDefense = 250.0;

    PorteeAttaque = Sature16(Parametres.PersosPorteeAttaque);
    Vitesse = Parametres.PersosVitesse;
}

// ---- Orders ----

void ClsJeuPerso::Aller_A(std::int32_t X, std::int32_t Y) {
    DestinationX = X;
    DestinationY = Y;
    Action = Actions::Deplacer;
}

void ClsJeuPerso::Arreter() {
    DestinationX = PositionX;
    DestinationY = PositionY;
    Action = DansMaison ? 100 : 0;
    RessourceEnCours = -1;
}

void ClsJeuPerso::Aller_Donner(std::int32_t Indice, std::int16_t TypeObjet) {
    CiblePerso = Indice;
    ObjetEnCours = TypeObjet;
    Action = Actions::Donner;
    Visible(true);
}

void ClsJeuPerso::Attaquer_Perso(std::int32_t Indice) {
    Action = Actions::Attaquer;
    CiblePerso = Indice;
    Visible(true);
    PremierCoup = true;
}

void ClsJeuPerso::Attaquer_Maison(std::int32_t Indice) {
    Action = Actions::DetruireMaison;
    CibleMaison = Indice;
    Visible(true);
    PremierCoup = true;
}

void ClsJeuPerso::Attaquer_Chateau(std::int32_t Indice) {
    Action = Actions::DetruireChateau;
    CibleChateau = Indice;
    Visible(true);
    PremierCoup = true;
}

// ---- Action labels ----

std::string ClsJeuPerso::Libelle_Action(std::int16_t Code) {
    switch (Code) {
        case Actions::Attente: return "En attente";
        case Actions::Deplacer: return "Se déplacer";
        case Actions::Recolter: return "Récolter ressources";
        case Actions::AllerA: return "Aller à";
        case Actions::Construire: return "Construire";
        case Actions::AllerConstruire: return "Aller construire";
        case Actions::Repos: return "En repos";
        case Actions::RentrerMaison: return "Rentrer à la maison";
        case Actions::Entrer: return "Entrer dans";
        case Actions::RetournerChateau: return "Retourner château";
        case Actions::AllerChateau: return "Aller château";
        case Actions::AllerTresor: return "Aller trésor";
        case Actions::Donner: return "Donner";
        case Actions::Attaquer: return "Attaquer";
        case Actions::DetruireMaison: return "Détruire maison";
        case Actions::DetruireChateau: return "Détruire château";
        case Actions::Ressusciter: return "Ressusciter";
        case Actions::Fabriquer: return "Fabriquer";
        case Actions::PreparerService: return "Préparer Service";
        default: return "Au travail";
    }
}

std::string ClsJeuPerso::Definir_Action() const { return Libelle_Action(Action); }

// ---- Carried resources ----

double ClsJeuPerso::Definir_Ressources(std::int32_t Index) const {
    if (Index < 0 || static_cast<std::size_t>(Index) >= Ressources.size()) return 0.0;
    return Ressources[static_cast<std::size_t>(Index)];
}

void ClsJeuPerso::Definir_Ressources(std::int32_t Index, double Valeur) {
    if (Index < 0 || static_cast<std::size_t>(Index) >= Ressources.size() || std::isnan(Valeur)) return;
    const double maximum = Definir_MaxRessources(Index);
    if (Valeur > maximum) Valeur = maximum;
    if (Valeur < 0.0) Valeur = 0.0;
    Ressources[static_cast<std::size_t>(Index)] = Valeur;
}

// ---- Orders on the world's objects ----
// Every destination is the top-left corner that centres the character's
// box on a point, halves rounded to even.

namespace {

std::int32_t Centrer(double point, std::int16_t taille) { return Sature32(point - taille / 2.0); }

}  // namespace

void ClsJeuPerso::Rentrer_Maison(const ClsJeuBatiment& Maison) {
    if (!Maison.Visible()) return;
    DestinationX = Centrer(Maison.X + Maison.Largeur / 2.0 + Maison.EntreePositionX, Largeur);
    DestinationY = Centrer(Maison.Y + Maison.Hauteur / 2.0 + Maison.EntreePositionY, Hauteur);
    CibleMaison = Maison.Proprietaire;
    // A building site or a damaged house is built first; the dead only
    // want to get in.
    if ((Maison.Acheve && Maison.Definir_Vie() == Maison.MaxVie) || !Vivant()) {
        Action = Actions::RentrerMaison;
    } else {
        Action = Actions::AllerConstruire;
        DansMaison = false;
    }
}

void ClsJeuPerso::Aller_Maison(const ClsJeuBatiment& Maison) {
    if (!Maison.Visible()) return;
    DestinationX = Centrer(Maison.X + Maison.Largeur / 2.0 + Maison.EntreePositionX, Largeur);
    DestinationY = Centrer(Maison.Y + Maison.Hauteur / 2.0 + Maison.EntreePositionY, Hauteur);
    Action = Actions::Entrer;
    CibleMaison = Maison.Proprietaire;
}

void ClsJeuPerso::Rentrer_Chateau(const ClsJeuBatiment& Chateau) {
    if (!Chateau.Visible()) return;
    DestinationX = Centrer(Chateau.X + Chateau.Largeur / 2.0 + Chateau.EntreePositionX, Largeur);
    DestinationY = Centrer(Chateau.Y + Chateau.Hauteur / 2.0 + Chateau.EntreePositionY, Hauteur);
    Action = Actions::RetournerChateau;
}

void ClsJeuPerso::Aller_Chateau(const ClsJeuBatiment& Chateau, std::int32_t Indice) {
    if (!Chateau.Visible()) return;
    DestinationX = Centrer(Chateau.X + Chateau.Largeur / 2.0 + Chateau.EntreePositionX, Largeur);
    DestinationY = Centrer(Chateau.Y + Chateau.Hauteur / 2.0 + Chateau.EntreePositionY, Hauteur);
    Action = Actions::AllerChateau;
    CibleChateau = Indice;
}

void ClsJeuPerso::Aller_Ressource(const ClsJeuRessources& Ressource, std::int32_t Indice, std::int32_t LargeurSprite,
                                  std::int32_t HauteurSprite) {
    DestinationX = Centrer(Ressource.X + LargeurSprite / 2.0, Largeur);
    DestinationY = Centrer(Ressource.Y + HauteurSprite / 2.0, Hauteur);
    CibleRessource = Indice;
    Action = Actions::AllerA;
}

void ClsJeuPerso::Aller_Tresor(const ClsJeuTresors& Tresor, std::int32_t Indice, std::int32_t LargeurSprite,
                               std::int32_t HauteurSprite) {
    DestinationX = Centrer(Tresor.X + LargeurSprite / 2.0, Largeur);
    DestinationY = Centrer(Tresor.Y + HauteurSprite / 2.0, Hauteur);
    CibleTresor = Indice;
    Action = Actions::AllerTresor;
    Visible(true);
}
