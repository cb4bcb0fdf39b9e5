// The game setup: turns the setup choices into a world. New worlds and
// battles are built here; scenarios and saved worlds by the saves module
// through the two loading hooks.
#include "engine/ModMain.h"
#include "engine/ModMain_Heros.h"
#include "platform/Nombres.h"
#include "world/ModGenererMonde.h"

namespace {

// A people index beyond the last people means "Aléatoire".
std::int16_t ChoisirPeuple(ModMain& Main, std::int16_t choix) {
    const std::int16_t n = Main.Parametres.NombrePeuples;
    if (choix >= 0 && choix <= n - 1) return choix;
    return static_cast<std::int16_t>(Entier(static_cast<double>(Main.Aleatoire.Nombre_Aleatoire()) * n));
}

void NouveauMonde(ModMain& Main, const SetupChoices& Choix, const ProgresChargement& Progres) {
    const ClsJeuParam& P = Main.Parametres;
    const auto F = static_cast<std::int32_t>(Choix.Fiefs.size());
    Main.Fiefs.assign(static_cast<std::size_t>(F), ClsJeuFief{});
    Main.Chateaux.assign(static_cast<std::size_t>(F), ClsJeuBatiment{});
    for (std::int32_t i = 0; i < F; ++i) {
        ClsJeuFief& fief = Main.Fiefs[static_cast<std::size_t>(i)];
        const SetupChoices::Fief& c = Choix.Fiefs[static_cast<std::size_t>(i)];
        Main.Chateaux[static_cast<std::size_t>(i)].Main = &Main;
        Main.Chateaux[static_cast<std::size_t>(i)].Proprietaire = i;
        fief.Camp = c.Equipe + 1;
        fief.Peuple = ChoisirPeuple(Main, c.Peuple);
        fief.NombrePersos = std::max(0, c.Villageois);
    }

    const std::int32_t total = std::max(0, Choix.TotalVillageois());
    Main.Persos.clear();
    Main.Persos.reserve(static_cast<std::size_t>(total));
    Main.Maisons.assign(static_cast<std::size_t>(total), ClsJeuBatiment{});
    Main.EffetsPersos.assign(static_cast<std::size_t>(total), ClsJeuEffet{});
    Main.EffetsMaisons.assign(static_cast<std::size_t>(total), ClsJeuEffet{});

    // Villagers handed out to the fiefs in order; a fief with no villager
    // is passed over (it used to take the next fief's count only once and
    // then run below zero).
    std::int32_t f = 0;
    std::int32_t reste = F > 0 ? Choix.Fiefs[0].Villageois : 0;
    for (std::int32_t i = 0; i < total; ++i) {
        while (reste <= 0 && f + 1 < F) reste = Choix.Fiefs[static_cast<std::size_t>(++f)].Villageois;
        --reste;
        ClsJeuPerso& perso = Main.Persos.emplace_back(&Main);
        perso.Equipe = f;
        perso.Init(i, P, Main.GenerateurPlateforme);
        Choisir_Race_Perso(Main, i, Main.Fiefs[static_cast<std::size_t>(f)].Peuple, -1, false);
        Main.Maisons[static_cast<std::size_t>(i)].Main = &Main;
        Main.Maisons[static_cast<std::size_t>(i)].Proprietaire = i;
    }

    for (ClsJeuFief& fief : Main.Fiefs) {
        fief.Init(P);
        fief.Epoque = Choix.Epoque;
        for (std::int32_t r = 0; r < P.NombreRessources; ++r)
            if (P.Ressources_Epoque(r) <= fief.Epoque) fief.Definir_Ressources(r, P.Epoque_ChateauxRessourcesDepart(fief.Epoque));
    }

    for (ClsJeuPerso& perso : Main.Persos) {
        const ClsJeuFief& fief = Main.Fiefs[static_cast<std::size_t>(perso.Equipe)];
        if (!P.Race_DepartSansRessources(perso.Race)) {
            for (std::int32_t r = 0; r < P.NombreRessources; ++r) {
                if (P.Ressources_Epoque(r) <= fief.Epoque && P.Ressources_NecessairePourConstruire(r))
                    perso.Definir_Ressources(r, P.Epoque_PersosRessourcesDepart(fief.Epoque));
                perso.Definir_Argent(P.Epoque_PersosArgentDepart(fief.Epoque));
            }
        }
        perso.Camp = fief.Camp;
    }

    Main.Monde.Generer_Monde(Choix.TypeMonde, Main.Aleatoire, Progres);
    Placer_Chateaux(Main);
    std::vector<BoiteChateau> boites;
    for (const ClsJeuBatiment& c : Main.Chateaux) boites.push_back({c.X, c.Y, c.Largeur, c.Hauteur});
    Main.Monde.Contruire_Routes(boites, Main.Aleatoire, Progres);
    Placer_Ressources(Main, Choix.Reseau);
    Placer_Persos_Chateaux(Main);
}

void NouvelleBataille(ModMain& Main, const SetupChoices& Choix, const ProgresChargement& Progres) {
    const ClsJeuParam& P = Main.Parametres;
    const std::int32_t S0 = std::max(0, Choix.Armees[0].Soldats);
    const std::int32_t S1 = std::max(0, Choix.Armees[1].Soldats);
    const std::int32_t total = S0 + S1;
    Main.Fiefs.assign(2, ClsJeuFief{});
    Main.Chateaux.assign(2, ClsJeuBatiment{});
    for (std::int32_t i = 0; i < 2; ++i) {
        ClsJeuFief& fief = Main.Fiefs[static_cast<std::size_t>(i)];
        fief.Init(P);
        fief.Epoque = Choix.Epoque;
        fief.Peuple = 0;
        fief.NombreMorts = 0;
        fief.NombrePersos = i == 0 ? S0 : S1;
        fief.Camp = i + 1;
        fief.Peuple = ChoisirPeuple(Main, Choix.Armees[i].Peuple);
    }
    for (std::int32_t i = 0; i < 2; ++i) {
        // No castle stands in a battle.
        ClsJeuBatiment& c = Main.Chateaux[static_cast<std::size_t>(i)];
        c.Main = &Main;
        c.Proprietaire = i;
        c.MaxVie = P.Peuples_ChateauMaxVie(Main.Fiefs[static_cast<std::size_t>(i)].Peuple);
        c.Definir_Vie(0);
    }
    Main.Ressources.assign(Main.Ressources.size(), ClsJeuRessources{});
    Main.Persos.clear();
    Main.Persos.reserve(static_cast<std::size_t>(total));
    Main.Maisons.assign(static_cast<std::size_t>(total), ClsJeuBatiment{});
    Main.EffetsPersos.assign(static_cast<std::size_t>(total), ClsJeuEffet{});
    Main.EffetsMaisons.assign(static_cast<std::size_t>(total), ClsJeuEffet{});

    // The player's soldier: the index the previous game left, when it
    // still names a soldier of this battle. What each machine's last game
    // left differs: a network battle gives that place to the first soldier
    // everywhere.
    const std::int32_t avant = Choix.Reseau ? 0 : Main.NoPersoJoueur;
    const std::int32_t joueur = (avant >= 0 && avant < total) ? avant : 0;
    if (total > 0) Main.NoPersoJoueur = joueur;
    std::int32_t ligne = 0, colonne = 0;
    for (std::int32_t i = 0; i < total; ++i) {
        ClsJeuPerso& s = Main.Persos.emplace_back(&Main);
        s.Init(i, P, Main.GenerateurPlateforme);
        Main.Maisons[static_cast<std::size_t>(i)].Main = &Main;
        Main.Maisons[static_cast<std::size_t>(i)].Proprietaire = i;
        if (i <= S0 - 1) {
            s.PositionX = 640 + s.Largeur * colonne;
            s.PositionY = 640 + s.Hauteur * ligne;
            s.Equipe = 0;
            s.CiblePerso = i + S0;
            while (s.CiblePerso >= total && S1 > 0) s.CiblePerso -= S1;
        } else {
            s.Equipe = 1;
            s.PositionX = 1640 + s.Largeur * colonne;
            s.PositionY = 640 + s.Hauteur * ligne;
            s.CiblePerso = i - S0;
            while (s.CiblePerso >= S0 && S0 > 0) s.CiblePerso -= S0;
        }
        if (i != joueur) Choisir_Race_Perso(Main, i, Main.Fiefs[static_cast<std::size_t>(s.Equipe)].Peuple, -1, false);
        s.Action = Actions::Attaquer;
        s.DestinationX = s.PositionX;
        s.DestinationY = s.PositionY;
        if (i != joueur) {
            s.Gestion_Tous_Niveaux();
            s.Ajuster_Bonus();
        }
        s.Definir_Attaque(s.Definir_MaxAttaque());
        s.Definir_Defense(s.Definir_MaxDefense());
        if (++ligne % 20 == 0) {
            ligne = 0;
            ++colonne;
        }
        s.Camp = Main.Fiefs[static_cast<std::size_t>(s.Equipe)].Camp;
    }

    // The player's soldier takes the middle of army 0.
    const auto M = static_cast<std::int32_t>(Arrondi(S0 / 2.0));
    if (S0 > 0 && M < total && M != joueur) {
        ClsJeuPerso& j = Main.Persos[static_cast<std::size_t>(joueur)];
        ClsJeuPerso& m = Main.Persos[static_cast<std::size_t>(M)];
        const std::int32_t cibleJoueur = j.CiblePerso;
        j.PositionX = m.PositionX;
        j.PositionY = m.PositionY;
        j.CiblePerso = m.CiblePerso;
        m.PositionX = j.DestinationX;
        m.PositionY = j.DestinationY;
        m.CiblePerso = cibleJoueur;
    }
    for (ClsJeuPerso& s : Main.Persos) {
        if (M != joueur) {
            if (s.CiblePerso == joueur) s.CiblePerso = M;
            else if (s.CiblePerso == M) s.CiblePerso = joueur;
        }
        const SetupChoices::Armee& armee = Choix.Armees[s.Equipe == 0 ? 0 : 1];
        if (!armee.Equipement) continue;
        for (const std::string& nom : armee.Objets) {
            for (std::int32_t t = 0; t < P.NombreTypesObjets; ++t) {
                if (P.Objet_Nom(t) != nom) continue;
                s.Objet_Ajouter_Inventaire(static_cast<std::int16_t>(t), P, Main.Commentaires, true);
                if (P.Objet_PerteRessourceQuantite(t) > 0)
                    s.Definir_Ressources(P.Objet_PerteRessourceIndice(t), P.PersosMaxRessources);
            }
        }
    }

    Main.Monde.Generer_Monde(Choix.TypeMonde, Main.Aleatoire, Progres);
    Placer_Ressources(Main, Choix.Reseau);
}

}  // namespace

void ModMain::Creer_Partie(const SetupChoices& Choix, const ProgresChargement& Progres) {
    Creer_Partie_Monde(Choix, Progres);
    if (FinPartie) return;
    // Second half, whatever the mode: heroes, local players, scripts and
    // the non-player levels of new worlds and battles.
    Placer_Heros(*this, Choix, Progres);
}

void ModMain::Creer_Partie_Monde(const SetupChoices& Choix, const ProgresChargement& Progres) {
    MessagesPartie.clear();
    FinPartie = false;
    Apparences.Lister(Dossier, Parametres);
    SavPerso.DossierSession.clear();
    // The last game's heroes are no one in the new world: until the new
    // game starts its statistics, nothing is followed.
    Statistiques.Vider();
    // A network game draws the fixed table from its start on every
    // machine; any other game draws fresh numbers again.
    if (Choix.Reseau) {
        Aleatoire.Initialiser_Aleatoire();
        // The generator behind the table starts alike too: whatever draws
        // from it draws the same on every machine.
        Aleatoire.Generateur().Semer(0);
        // Looks drawn at character creation must match on every machine
        // too: the platform generator starts from the same seed everywhere.
        GenerateurPlateforme.Semer(0);
    } else {
        Aleatoire.Desactiver_Table();
        GenerateurPlateforme.SemerHorloge();
    }
    Monde.LargeurCarte = std::max(1, Choix.LargeurCarte);
    Monde.HauteurCarte = std::max(1, Choix.HauteurCarte);
    Ressources.assign(static_cast<std::size_t>(std::max(0, Choix.NombreRessources)) + 1, ClsJeuRessources{});
    Tresors.Init_Tresors();
    Decors.Init_Decors();

    if (Choix.Mode == SetupChoices::NouveauMonde) {
        NouveauMonde(*this, Choix, Progres);
    } else if (Choix.Mode == SetupChoices::NouvelleBataille) {
        NouvelleBataille(*this, Choix, Progres);
    } else if (Choix.Mode == SetupChoices::ChargerScenario || Choix.Mode == SetupChoices::ChargerMonde) {
        auto& charger = Choix.Mode == SetupChoices::ChargerScenario ? Charger_Scenario : Charger_Monde;
        // Without a reader for the file the game cannot start: the player
        // is told rather than shown a game that ends at once.
        if (!charger) MessagesPartie.push_back("Le fichier " + Choix.FichierMonde + " ne peut pas être chargé.");
        if (!charger || !charger(*this, Choix.FichierMonde)) FinPartie = true;
    }
}
