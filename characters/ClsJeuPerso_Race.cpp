// Race assignment: copying a race's size, look, base values, coefficients,
// abilities and AI traits into the character, with its starting resources
// and items; the race's free starting items; attitude and formation.
#include <algorithm>

#include "characters/ClsJeuPerso.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"

void ClsJeuPerso::Changer_Race_Personnage(std::int32_t Indice, const ClsJeuParam& Parametres, bool SansEquipement) {
    // An index the rules do not know names no race: nothing changes.
    if (Indice < 0 || Indice >= Parametres.NombreRaces) return;

    // Shares of each maximum, as singles; a characteristic without a
    // maximum keeps its current value.
    auto part = [](double courant, double maximum) {
        return maximum > 0.0 ? static_cast<float>(courant / maximum) : 0.0f;
    };
    const float pVie = part(Vie, Definir_MaxVie());
    const float pEnergie = part(Energie, Definir_MaxEnergie());
    const float pMagie = part(Magie, Definir_MaxMagie());
    const float pMoral = part(Moral, Definir_MaxMoral());
    const float pAttaque = part(Attaque, Definir_MaxAttaque());
    const float pDefense = part(Defense, Definir_MaxDefense());

    // A hero keeps the name its player gave it.
    Race = static_cast<std::int16_t>(Indice);
    if (PersoFichier < 1) Nom = Parametres.Race_Nom(Indice, Sexe);

    // The race's record, in the order the rules give it.
    Largeur = Parametres.Race_Largeur(Indice);
    Hauteur = Parametres.Race_Hauteur(Indice);
    Apparence = Parametres.Race_DefinirApparence(Indice);
    VieBase = Parametres.Race_Vie(Indice);
    EnergieBase = Parametres.Race_Energie(Indice);
    MagieBase = Parametres.Race_Magie(Indice);
    MoralBase = Parametres.Race_Moral(Indice);
    AttaqueBase = Parametres.Race_Attaque(Indice);
    DefenseBase = Parametres.Race_Defense(Indice);
    CoefVie = Parametres.Race_CoefVie(Indice);
    CoefEnergie = Parametres.Race_CoefEnergie(Indice);
    CoefMagie = Parametres.Race_CoefMagie(Indice);
    CoefMoral = Parametres.Race_CoefMoral(Indice);
    CoefAttaque = Parametres.Race_CoefAttaque(Indice);
    CoefDefense = Parametres.Race_CoefDefense(Indice);
    VitesseRegenerationVie = Parametres.Race_VitesseRegenerationVie(Indice);
    VitesseRegenerationEnergie = Parametres.Race_VitesseRegenerationEnergie(Indice);
    VitesseRegenerationMagie = Parametres.Race_VitesseRegenerationMagie(Indice);
    VitesseRegenerationMoral = Parametres.Race_VitesseRegenerationMoral(Indice);
    RestaurationComplete = Parametres.Race_RestaurationComplete(Indice);
    CoefRaceCompSpeciales.assign(static_cast<std::size_t>(std::max<std::int16_t>(Parametres.NombreCompetencesSpeciales, 0)), 0.0f);
    for (std::size_t i = 0; i < CoefRaceCompSpeciales.size(); ++i)
        CoefRaceCompSpeciales[i] = Parametres.Race_CoefCompSpeciales(Indice, static_cast<std::int32_t>(i));
    CoefRaceCompRessources.assign(static_cast<std::size_t>(std::max<std::int16_t>(Parametres.NombreRessources, 0)), 0.0f);
    for (std::size_t i = 0; i < CoefRaceCompRessources.size(); ++i)
        CoefRaceCompRessources[i] = Parametres.Race_CoefCompRessources(Indice, static_cast<std::int32_t>(i));
    CoefRaceCompServices.assign(static_cast<std::size_t>(std::max<std::int16_t>(Parametres.NombreServices, 0)), 0.0f);
    for (std::size_t i = 0; i < CoefRaceCompServices.size(); ++i)
        CoefRaceCompServices[i] = Parametres.Race_CoefCompServices(Indice, static_cast<std::int32_t>(i));
    CoefRaceCompObjets.assign(static_cast<std::size_t>(std::max<std::int16_t>(Parametres.NombreCompetencesObjets, 0)), 0.0f);
    for (std::size_t i = 0; i < CoefRaceCompObjets.size(); ++i)
        CoefRaceCompObjets[i] = Parametres.Race_CoefCompObjets(Indice, static_cast<std::int32_t>(i));
    Experience = Parametres.Race_Experience(Indice);
    Volant = Parametres.Race_Volant(Indice);
    Parole = Parametres.Race_Parole(Indice);
    ParoleSpecifique = Parametres.Race_CommentairesSpecifique(Indice) > 0;
    CommentairesSpecifique = Parametres.Race_CommentairesSpecifique(Indice);
    PorteeAttaque = Parametres.Race_PorteeAttaque(Indice);
    EffetAttaque = Parametres.Race_EffetAttaque(Indice);
    Armure = Parametres.Race_Armure(Indice);
    Vitesse = Parametres.Race_Vitesse(Indice);
    Kamikaze = Parametres.Race_Kamikaze(Indice);
    IA_Incommandable = Parametres.Race_IA_Incommandable(Indice);

    // Starting goods. Items are put on with the Equiper flag the
    // character had before this change (a character being created may
    // equip); the whole list is given, whatever it already holds.
    if (!SansEquipement) {
        for (std::size_t r = 0; r < Ressources.size(); ++r) {
            const double depart = Parametres.Race_Ressources(Indice, static_cast<std::int32_t>(r));
            if (Ressources[r] < depart) Ressources[r] = depart;
        }
        const std::int16_t n = Parametres.Race_NombreEquipement(Indice);
        if (n > 0) {
            for (std::int16_t i = 0; i < n; ++i)
                Objet_Placer_Inventaire(Parametres.Race_Equipement(Indice, i), Parametres, Equiper);
            Actualiser_Bonus();
        }
    }

    // Maxima, speed, reach, armour and competences from the new race.
    Ajuster_Bonus();

    // Abilities and AI traits.
    Equiper = Parametres.Race_Equiper(Indice);
    IA_Manger = Parametres.Race_IA_Manger(Indice);
    IA_Pacifique = Parametres.Race_IA_Pacifique(Indice);
    IA_Temeraire = Parametres.Race_IA_Temeraire(Indice);
    IA_Berserk = Parametres.Race_IA_Berserk(Indice);
    FichierIA = Parametres.Race_IA_Fichier(Indice);
    IA = !FichierIA.empty();

    // Same share of the new maxima (a dead character stays dead).
    if (pVie > 0) Vie = static_cast<double>(pVie) * Definir_MaxVie();
    if (pEnergie > 0) Energie = static_cast<double>(pEnergie) * Definir_MaxEnergie();
    if (pMagie > 0) Magie = static_cast<double>(pMagie) * Definir_MaxMagie();
    if (pMoral > 0) Moral = static_cast<double>(pMoral) * Definir_MaxMoral();
    if (pAttaque > 0) Attaque = static_cast<double>(pAttaque) * Definir_MaxAttaque();
    if (pDefense > 0) Defense = static_cast<double>(pDefense) * Definir_MaxDefense();
}

void ClsJeuPerso::Changer_Race_Personnage_Equipement(const ClsJeuParam& Parametres) {
    const std::int16_t n = Parametres.Race_NombreObjets(Race);
    for (std::int16_t i = 0; i < n; ++i) {
        const std::int16_t o = Parametres.Race_Objet(Race, i);
        // Items with a talent price are bought in the setup window.
        if (Parametres.Objet_PrixTalents(o) >= 1) continue;
        if (Parametres.Objet_ChangerApparencePerso(o)) {
            Apparence = false;
            ApparenceBase = 0;
        }
        Objet_Placer_Inventaire(o, Parametres, Equiper);
    }
}

// A value out of its range (a damaged save) starts the cycle again.
void ClsJeuPerso::Changer_Attitude() {
    ++Attitude;
    if (Attitude >= 2 || Attitude < 0) Attitude = 0;
}

void ClsJeuPerso::Changer_Formation() {
    ++Formation;
    if (Formation >= 5 || Formation < 0) Formation = 0;
}
