// The message feed of one local player: what changed on the watched
// character since the last frame, tips, and the drawing of the lines.
#include "interface/ClsJeuMessages.h"

#include <algorithm>
#include <cmath>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "rules/LectureIni.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/Nombres.h"
#include "platform/Surface.h"
#include "platform/Texte.h"
#include "rules/ClsFicINI.h"
#include "rules/ClsJeuParam.h"
#include "rules/ModRandom.h"

namespace {

// Whole part of a positive difference, in plain decimal.
std::string PartieEntiere(double x) { return TexteNombre(Entier(x)); }

std::size_t Taille(std::int32_t n) { return static_cast<std::size_t>(std::max(n, 0)); }

}  // namespace

ClsJeuMessages::ClsJeuMessages(DossierJeu& Dossier, GenerateurLocal& Generateur, const double& Horloge)
    : dossier_(&Dossier), generateur_(&Generateur), horloge_(&Horloge) {
    Lire_Parametres();
}

ClsJeuMessages::ClsJeuMessages(ModMain& Main)
    : ClsJeuMessages(Main.Dossier, Main.GenerateurPlateforme, Main.Horloge) {}

void ClsJeuMessages::Lire_Parametres() {
    ClsFicINI ini(*dossier_);
    ini.NomFichier = "Ini_Messages";
    ini.Section = "Messages";
    ErreursFichier e("Ini_Messages.ini");
    auto B = [&](const char* cle) { return LectureIni::Booleen(ini, cle, e); };
    // Numbers are read leniently: an empty or odd value reads 0.
    auto N16 = [&](const char* cle) { return Sature16(Arrondi(Val(ini.Parametre(cle)))); };
    auto S = [&](const char* cle) { return ini.Parametre(cle); };
    afficher_ = B("Afficher");
    nombreMaxMessages_ = N16("NombreMaxMessages");
    afficherConseil_ = B("AfficherConseil");
    afficherVie_ = B("AfficherVie");
    afficherBestiaire_ = B("AfficherBestiaire");
    afficherArgent_ = B("AfficherArgent");
    afficherRessources_ = B("AfficherRessources");
    afficherObjets_ = B("AfficherObjets");
    afficherSoldats_ = B("AfficherSoldats");
    afficherExperience_ = B("AfficherExperience");
    Duree = Val(ini.Parametre("Duree"));
    Couleur = static_cast<std::uint32_t>(std::clamp(Arrondi(Val(ini.Parametre("Couleur"))), 0.0, 16777215.0));
    PositionX = N16("PositionX");
    PositionY = N16("PositionY");
    DecalageX = N16("DecalageX");
    DecalageY = N16("DecalageY");
    PrefixeMessage = S("PrefixeMessage") + " ";
    PrefixeExperience = S("PrefixeExperience") + " ";
    MessageVivant = S("MessageVivant");
    MessageMort = S("MessageMort");
    MessageArgent = " " + S("MessageArgent");
    MessageGain = S("MessageGain") + " ";
    MessagePerte = S("MessagePerte") + " ";
    MessageBestiaire = S("MessageBestiaire") + " ";
    MessageVie = " " + S("MessageVie");
    MessageEnergie = " " + S("MessageEnergie");
    MessageMagie = " " + S("MessageMagie");
    MessageMoral = " " + S("MessageMoral");
    MessageAttaque = " " + S("MessageAttaque");
    MessageDefense = " " + S("MessageDefense");
    MessageSoldat = " " + S("MessageSoldat");
    MessageSoldats = " " + S("MessageSoldats");
    MessageCompetence = " " + S("MessageCompetence") + " ";
    MessageSauvegardeMonde = S("MessageSauvegardeMonde");
    e.Verifier();
}

void ClsJeuMessages::Ecrire_Option(const char* Cle, bool Valeur) {
    ClsFicINI ini(*dossier_);
    ini.NomFichier = "Ini_Messages";
    ini.Section = "Messages";
    ini.Parametre(Cle, Valeur ? "1" : "0");
}

#define OPTION(Nom, Champ)                              \
    void ClsJeuMessages::Definir_##Nom(bool Valeur) { \
        Champ = Valeur;                                 \
        Ecrire_Option(#Nom, Valeur);                    \
    }
OPTION(Afficher, afficher_)
OPTION(AfficherConseil, afficherConseil_)
OPTION(AfficherVie, afficherVie_)
OPTION(AfficherBestiaire, afficherBestiaire_)
OPTION(AfficherArgent, afficherArgent_)
OPTION(AfficherRessources, afficherRessources_)
OPTION(AfficherObjets, afficherObjets_)
OPTION(AfficherSoldats, afficherSoldats_)
OPTION(AfficherExperience, afficherExperience_)
#undef OPTION

void ClsJeuMessages::Init(const ClsJeuParam& Parametres, std::int16_t DeltaX, std::int16_t DeltaY) {
    DerniereMaison = -1;
    DernierArgent = 0.0;
    DernieresRessources.assign(Taille(Parametres.NombreRessources), 0.0);
    DerniersObjets.assign(Taille(Parametres.NombreTypesObjets), 0);
    DernierBestiaire.assign(Taille(Parametres.NombreRaces), 0.0);
    DernieresCompetences[0].assign(Taille(Parametres.NombreCompetencesSpeciales), 0);
    DernieresCompetences[1].assign(Taille(Parametres.NombreRessources), 0);
    DernieresCompetences[2].assign(Taille(Parametres.NombreServices - 1), 0);
    DernieresCompetences[3].assign(Taille(Parametres.NombreCompetencesObjets), 0);
    PositionX = Sature16(static_cast<double>(PositionX) + DeltaX);
    PositionY = Sature16(static_cast<double>(PositionY) + DeltaY);
}

void ClsJeuMessages::Ajouter_Message(const std::string& Message) {
    if (ListeMessages.empty()) DernierRetrait = Maintenant();
    ListeMessages.push_back(Message);
    // A text of several lines keeps the next lines below it.
    const std::int16_t lignes = ClsIntMessage::Nombre_Lignes(Message);
    if (lignes > 1)
        for (std::int16_t k = 0; k < lignes; ++k) ListeMessages.emplace_back();
}

void ClsJeuMessages::Ajouter_Message_SauvegardeMonde() { Ajouter_Message(MessageSauvegardeMonde); }

void ClsJeuMessages::Effacer() { ListeMessages.clear(); }

void ClsJeuMessages::Afficher_Conseil() {
    if (!afficherConseil_) return;
    const auto texte = LireFichier(dossier_->Chemin("\\" + Fichier_Conseil()));
    if (!texte) throw ErreurFichier(Fichier_Conseil(), "Le fichier est introuvable ou illisible.");
    const std::vector<std::string> lignes = DecouperLignes(*texte);
    const std::string entete = lignes.empty() ? std::string() : lignes.front();
    std::vector<std::string> conseils;
    for (std::size_t i = 1; i < lignes.size(); ++i) {
        const std::string& l = lignes[i];
        if (l.empty() || l.front() == '#') continue;
        if (l.front() == '-')
            conseils.push_back(l);
        else if (!conseils.empty())
            conseils.back() += "#" + l;
        // A continuation line before any tip has no tip to join.
    }
    std::string conseil;
    if (!conseils.empty()) {
        auto k = static_cast<std::size_t>(generateur_->Suivant() * static_cast<float>(conseils.size()));
        conseil = conseils[std::min(k, conseils.size() - 1)];
    }
    Ajouter_Message(entete + " " + conseil);
}

void ClsJeuMessages::Prendre_Valeurs(const ClsJeuPerso& Perso, const ClsJeuParam& Parametres) {
    DernierVivant = Perso.Vivant();
    DernierArgent = Perso.Definir_Argent();
    for (std::size_t r = 0; r < DernieresRessources.size(); ++r)
        DernieresRessources[r] = Perso.Definir_Ressources(static_cast<std::int32_t>(r));
    for (std::size_t t = 0; t < DerniersObjets.size(); ++t)
        DerniersObjets[t] = Perso.Objet_NombreType(static_cast<std::int32_t>(t));
    for (std::size_t r = 0; r < DernierBestiaire.size(); ++r)
        DernierBestiaire[r] = Perso.Definir_Bestiaire(static_cast<std::int16_t>(r));
    DernieresInvocations = Perso.NombreInvocations;
    DerniersMaxima = {Perso.VieBase, Perso.EnergieBase, Perso.MagieBase,
                      Perso.MoralBase, Perso.AttaqueBase, Perso.DefenseBase};
    for (std::size_t k = 0; k < DernieresCompetences[0].size(); ++k)
        DernieresCompetences[0][k] = Perso.Niveau_CompetenceSpeciales(static_cast<std::int32_t>(k));
    for (std::size_t k = 0; k < DernieresCompetences[1].size(); ++k)
        DernieresCompetences[1][k] = Perso.Niveau_CompetenceRessources(static_cast<std::int32_t>(k));
    for (std::size_t k = 0; k < DernieresCompetences[2].size(); ++k)
        DernieresCompetences[2][k] = Perso.Niveau_CompetenceServices(static_cast<std::int32_t>(k));
    for (std::size_t k = 0; k < DernieresCompetences[3].size(); ++k)
        DernieresCompetences[3][k] = Perso.Niveau_CompetenceObjets(static_cast<std::int32_t>(k));
    (void)Parametres;
}

void ClsJeuMessages::Surveiller(const ClsJeuPerso& Perso, const ClsJeuParam& P) {
    if (afficherVie_ && Perso.Vivant() != DernierVivant) {
        Ajouter_Message(PrefixeMessage + (Perso.Vivant() ? MessageVivant : MessageMort));
    }
    DernierVivant = Perso.Vivant();

    if (afficherBestiaire_) {
        for (std::size_t r = 0; r < DernierBestiaire.size(); ++r) {
            const double n = Perso.Definir_Bestiaire(static_cast<std::int16_t>(r));
            const double d = n - DernierBestiaire[r];
            if (d >= 1.0)
                Ajouter_Message(PrefixeMessage + MessageBestiaire + PartieEntiere(d) + " " +
                                MinusculesAscii(P.Race_Nom(static_cast<std::int32_t>(r), false, d > 1.0)) + ".");
            DernierBestiaire[r] = n;
        }
    }

    if (afficherSoldats_) {
        const std::int32_t n = Perso.NombreInvocations;
        const std::int64_t d = static_cast<std::int64_t>(n) - DernieresInvocations;
        if (d >= 1)
            Ajouter_Message(PrefixeMessage + MessageGain + std::to_string(d) + (d != 1 ? MessageSoldats : MessageSoldat));
        else if (d <= -1)
            Ajouter_Message(PrefixeMessage + MessagePerte + std::to_string(-d) +
                            (d != -1 ? MessageSoldats : MessageSoldat));
        DernieresInvocations = n;
    }

    if (afficherArgent_) {
        const double m = Perso.Definir_Argent();
        if (m - DernierArgent >= 1.0)
            Ajouter_Message(PrefixeMessage + MessageGain + PartieEntiere(m - DernierArgent) + MessageArgent);
        else if (DernierArgent - m >= 1.0)
            Ajouter_Message(PrefixeMessage + MessagePerte + PartieEntiere(DernierArgent - m) + MessageArgent);
        DernierArgent = m;
    }

    if (afficherRessources_) {
        for (int passe = 0; passe < 2; ++passe) {
            std::string texte;
            for (std::size_t r = 0; r < DernieresRessources.size(); ++r) {
                const double q = Perso.Definir_Ressources(static_cast<std::int32_t>(r));
                const double d = passe == 0 ? q - DernieresRessources[r] : DernieresRessources[r] - q;
                if (d < 1.0) continue;
                texte += texte.empty() ? (passe == 0 ? MessageGain : MessagePerte) : std::string(", ");
                texte += PartieEntiere(d) + " " + MinusculesAscii(P.Ressources_Nom(static_cast<std::int32_t>(r)));
            }
            if (!texte.empty()) Ajouter_Message(PrefixeMessage + texte + ".");
        }
        for (std::size_t r = 0; r < DernieresRessources.size(); ++r)
            DernieresRessources[r] = Perso.Definir_Ressources(static_cast<std::int32_t>(r));
    }

    if (afficherObjets_) {
        for (int passe = 0; passe < 2; ++passe) {
            std::string texte;
            for (std::size_t t = 0; t < DerniersObjets.size(); ++t) {
                const std::int32_t q = Perso.Objet_NombreType(static_cast<std::int32_t>(t));
                const std::int32_t d = passe == 0 ? q - DerniersObjets[t] : DerniersObjets[t] - q;
                if (d < 1) continue;
                texte += texte.empty() ? (passe == 0 ? MessageGain : MessagePerte) : std::string(", ");
                const std::string nom = d >= 2 ? P.Objet_NomPluriel(static_cast<std::int32_t>(t))
                                               : P.Objet_Nom(static_cast<std::int32_t>(t));
                texte += std::to_string(d) + " " + MinusculesAscii(nom);
            }
            if (!texte.empty()) Ajouter_Message(PrefixeMessage + texte + ".");
        }
        for (std::size_t t = 0; t < DerniersObjets.size(); ++t)
            DerniersObjets[t] = Perso.Objet_NombreType(static_cast<std::int32_t>(t));
    }

    if (afficherExperience_) {
        const std::array<std::int32_t, 6> maxima{Perso.VieBase,   Perso.EnergieBase, Perso.MagieBase,
                                                 Perso.MoralBase, Perso.AttaqueBase, Perso.DefenseBase};
        const std::string* noms[6] = {&MessageVie,   &MessageEnergie, &MessageMagie,
                                      &MessageMoral, &MessageAttaque, &MessageDefense};
        for (std::size_t k = 0; k < 6; ++k) {
            const std::int64_t d = static_cast<std::int64_t>(maxima[k]) - DerniersMaxima[k];
            if (d >= 1) Ajouter_Message(PrefixeExperience + MessageGain + std::to_string(d) + *noms[k]);
            DerniersMaxima[k] = maxima[k];
        }
        for (std::size_t f = 0; f < 4; ++f) {
            for (std::size_t k = 0; k < DernieresCompetences[f].size(); ++k) {
                const auto i = static_cast<std::int32_t>(k);
                const std::int32_t n = f == 0   ? Perso.Niveau_CompetenceSpeciales(i)
                                       : f == 1 ? Perso.Niveau_CompetenceRessources(i)
                                       : f == 2 ? Perso.Niveau_CompetenceServices(i)
                                                : Perso.Niveau_CompetenceObjets(i);
                const std::int64_t d = static_cast<std::int64_t>(n) - DernieresCompetences[f][k];
                if (d >= 1) {
                    const std::string nom = f == 0   ? P.Speciales_NomCompetences(i)
                                            : f == 1 ? P.Ressources_NomCompetence(i)
                                            : f == 2 ? P.Service_NomCompetence(i + 1)
                                                     : P.CompetenceObjet_Nom(i);
                    Ajouter_Message(PrefixeExperience + MessageGain + std::to_string(d) + MessageCompetence +
                                    MinusculesAscii(nom) + ".");
                }
                DernieresCompetences[f][k] = n;
            }
        }
    }
}

void ClsJeuMessages::Afficher_Messages(const ClsJeuPerso& Perso, const ClsInterface*, const ClsJeuParam& Parametres,
                                       Surface& SurfBack) {
    if (!afficher_) return;
    if (Perso.NoMaison != DerniereMaison) {
        // A new game or another character: take its values without telling.
        Prendre_Valeurs(Perso, Parametres);
    } else {
        Surveiller(Perso, Parametres);
    }
    DerniereMaison = Perso.NoMaison;
    Dessiner(SurfBack);
}

std::vector<LigneTexte> ClsJeuMessages::Disposition() const {
    std::vector<LigneTexte> lignes;
    for (std::size_t i = 0; i < ListeMessages.size(); ++i) {
        const auto k = static_cast<std::int32_t>(i);
        for (LigneTexte& l : ClsIntMessage::Decouper(PositionX + k * DecalageX, PositionY + k * DecalageY,
                                                     ListeMessages[i], Couleur))
            lignes.push_back(std::move(l));
    }
    return lignes;
}

void ClsJeuMessages::Dessiner(Surface& SurfBack) {
    if (ListeMessages.empty()) return;
    const auto maximum = static_cast<std::size_t>(std::max<std::int16_t>(nombreMaxMessages_, 0));
    while (ListeMessages.size() > maximum) {
        ListeMessages.pop_front();
        DernierRetrait = Maintenant();
    }
    texte_.CouleurAvantPlan = Couleur;
    for (std::size_t i = 0; i < ListeMessages.size(); ++i) {
        const auto k = static_cast<std::int32_t>(i);
        texte_.Afficher(PositionX + k * DecalageX, PositionY + k * DecalageY, ListeMessages[i], SurfBack);
        // Each line starts again from the feed's colour.
        texte_.CouleurAvantPlan = Couleur;
    }
    if (ListeMessages.empty()) return;
    // The oldest line stays in proportion to its length.
    if (std::abs(Maintenant() - DernierRetrait) > Duree * static_cast<double>(LongueurCaracteres(ListeMessages.front()))) {
        ListeMessages.pop_front();
        DernierRetrait = Maintenant();
    }
}
