#include "engine/ModMain_Heros.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "engine/ModMain.h"
#include "platform/ErreurFichier.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "rules/ClsJeuParam.h"
#include "saves/ModSavPerso.h"

namespace {

bool Valide(const ModMain& Main, std::int32_t i) { return i >= 0 && static_cast<std::size_t>(i) < Main.Persos.size(); }

// The character of side camp that a saved world holds under the hero's
// name, when it is no hero yet; -1 when there is none.
std::int32_t Place_Sauvee(const ModMain& Main, const std::string& nom, std::int32_t camp) {
    for (std::size_t i = 0; i < Main.Persos.size(); ++i)
        if (Main.Persos[i].Camp == camp && Main.Persos[i].PersoFichier == 0 && Main.Persos[i].Nom == nom)
            return static_cast<std::int32_t>(i);
    return -1;
}

// In a saved world, a character that a listed hero left there or that a
// local player played: no other hero takes it.
bool Gardee(const ClsJeuPerso& perso, const SetupChoices& Choix) {
    return perso.Joueur || std::find(Choix.Heros.begin(), Choix.Heros.end(), perso.Nom) != Choix.Heros.end();
}

// A saved world marks the characters its local players played: each local
// player takes one of them back, the one the window names for it when it
// is one of them, else the next in the world's order, whatever hero the
// window shows now. Only the players' characters stay marked.
void Joueurs_Sauves(ModMain& Main, const SetupChoices& Choix, std::int32_t joueurs, std::vector<std::int32_t> sauves) {
    if (sauves.empty()) return;
    std::vector<std::int32_t> pris(static_cast<std::size_t>(joueurs), -1);
    for (std::int32_t j = 0; j < joueurs; ++j) {
        const std::string& nom = joueurs == 1 ? Choix.NomJoueur : Choix.NomsJoueurs[j];
        const auto k = std::find_if(sauves.begin(), sauves.end(),
                                    [&](std::int32_t i) { return Main.Persos[static_cast<std::size_t>(i)].Nom == nom; });
        if (k == sauves.end()) continue;
        pris[static_cast<std::size_t>(j)] = *k;
        sauves.erase(k);
    }
    for (std::int32_t& k : pris)
        if (k < 0 && !sauves.empty()) {
            k = sauves.front();
            sauves.erase(sauves.begin());
        }
    for (ClsJeuPerso& perso : Main.Persos) perso.Joueur = false;
    for (std::size_t j = 0; j < pris.size(); ++j) {
        if (pris[j] >= 0) Main.NoPersoParJoueur[j] = pris[j];
        if (Valide(Main, Main.NoPersoParJoueur[j])) Main.Persos[static_cast<std::size_t>(Main.NoPersoParJoueur[j])].Joueur = true;
    }
    Main.NoPersoJoueur = Main.NoPersoParJoueur[0];
}

// The heroes, in the order the player listed them.
void Heros(ModMain& Main, const SetupChoices& Choix, std::int32_t joueurs) {
    const ClsJeuParam& P = Main.Parametres;
    // A name listed twice would put two copies of one hero in the world,
    // both written back to the same file.
    std::set<std::string> places;
    for (const std::string& nom : Choix.Heros) {
        if (!places.insert(MinusculesAscii(nom)).second) continue;
        std::int32_t camp = 0;
        try {
            camp = Main.SavPerso.Lire_Equipe(nom) + 1;
        } catch (const ErreurPerso& e) {
            Main.MessagesPartie.emplace_back(e.what());
            continue;
        }
        // In a saved world a hero takes back the character it left there;
        // otherwise the first character of its side that is no hero yet (in
        // a saved world, nor kept for a listed hero or a player).
        const bool sauve = Choix.Mode == SetupChoices::ChargerMonde;
        std::int32_t p = sauve ? Place_Sauvee(Main, nom, camp) : -1;
        for (std::size_t i = 0; i < Main.Persos.size() && p < 0; ++i) {
            if (Main.Persos[i].Camp == camp && Main.Persos[i].PersoFichier == 0 && !(sauve && Gardee(Main.Persos[i], Choix))) {
                p = static_cast<std::int32_t>(i);
                break;
            }
        }
        if (p < 0) {
            Main.MessagesPartie.push_back("Il n'y a pas assez de place pour tous vos personnages dans l'équipe " +
                                          std::to_string(camp) + ".");
            Main.FinPartie = true;
            return;
        }

        ClsJeuPerso& perso = Main.Persos[static_cast<std::size_t>(p)];
        // A hero whose file turns out bad leaves the villager it would have
        // replaced as it was; the others still join.
        const ClsJeuPerso avant = perso;
        try {
            perso.PersoFichier = 1;
            perso.Init_Carac(P);
            Main.SavPerso.Charger_Perso(nom, perso);
            Main.SavPerso.Appliquer_Talents(perso, Main.Commentaires);
        } catch (const ErreurPerso& e) {
            perso = avant;
            Main.MessagesPartie.emplace_back(e.what());
            continue;
        }
        // The team in the file names a fief; one the world does not have
        // would send every look-up of the hero's fief out of range: the
        // hero then keeps the fief of the character it replaced.
        if (perso.Equipe < 0 || static_cast<std::size_t>(perso.Equipe) >= Main.Fiefs.size()) perso.Equipe = avant.Equipe;

        // A network game's players drive the session's characters: which
        // hero this machine's window names must not shape the world.
        if (Choix.Reseau) continue;
        if (joueurs == 1) {
            if (perso.Nom == Choix.NomJoueur) {
                Main.NoPersoJoueur = p;
                Main.NoPersoParJoueur[0] = p;
                perso.Joueur = true;
            }
        } else if (perso.Nom == Choix.NomsJoueurs[0]) {
            Main.NoPersoJoueur = p;
            Main.NoPersoParJoueur[0] = p;
            perso.Joueur = true;
        } else if (perso.Nom == Choix.NomsJoueurs[1]) {
            Main.NoPersoParJoueur[1] = p;
            perso.Joueur = true;
        }
    }
}

// Scripts for the non-player characters of races that take one.
// Both draws are made for every such character, whatever they give: the
// network machines stay in step.
void Scripts(ModMain& Main, const SetupChoices& Choix) {
    const ClsJeuParam& P = Main.Parametres;
    const auto n = static_cast<double>(Choix.FichiersIA.size());
    for (ClsJeuPerso& perso : Main.Persos) {
        perso.IA_Active = true;
        if (perso.PersoFichier == 0 && !perso.IA && P.Race_IA_Selectionner(perso.Race)) {
            const float r = Main.Aleatoire.Nombre_Aleatoire();
            if (r < 1.0f) {
                const float s = Main.Aleatoire.Nombre_Aleatoire();
                // No script on offer: the character keeps the built-in AI.
                if (!Choix.FichiersIA.empty()) {
                    const double k = std::clamp(Entier(n * static_cast<double>(s)), 0.0, n - 1.0);
                    perso.IA = true;
                    perso.FichierIA = Choix.FichiersIA[static_cast<std::size_t>(k)];
                }
            }
        }
        perso.Actualiser_Bonus();
    }
}

// The difficulty's experience for every non-player character,
// turned into levels.
void Niveaux_PNJ(ModMain& Main, const SetupChoices& Choix, const ProgresChargement& Progres) {
    const ClsJeuParam& P = Main.Parametres;
    const double b = Choix.BonusXP;
    const auto dernier = static_cast<std::int32_t>(Main.Persos.size()) - 1;
    for (std::int32_t i = 0; i <= dernier; ++i) {
        ClsJeuPerso& perso = Main.Persos[static_cast<std::size_t>(i)];
        if (perso.PersoFichier == 0) {
            const bool experience = perso.Experience;
            perso.Experience = true;
            perso.ExpVie = perso.ExpEnergie = perso.ExpMagie = perso.ExpMoral = b;
            perso.ExpAttaque = perso.ExpDefense = 20.0 * b;
            for (std::int32_t j = 0; j < P.NombreCompetencesSpeciales; ++j) perso.Definir_ExpSpeciales(j, b);
            for (std::int32_t j = 0; j < P.NombreRessources; ++j) perso.Definir_ExpRessources(j, b);
            // Service 0 is "no service": its competences are the others.
            for (std::int32_t j = 0; j <= P.NombreServices - 2; ++j) perso.Definir_ExpServices(j, b);
            for (std::int32_t j = 0; j < P.NombreCompetencesObjets; ++j) perso.Definir_ExpObjets(j, b);
            perso.Gestion_Tous_Niveaux();
            perso.Actualiser_Bonus();
            perso.Experience = experience;
        }
        if (Progres) {
            // A world of one character is done as soon as it starts.
            const double pourcent = dernier > 0 ? Arrondi(100.0 * i / dernier) : 100.0;
            std::string texte = std::to_string(static_cast<int>(pourcent));
            if (texte.size() < 2) texte.insert(0, "0");
            Progres(40, "Gestion des niveaux des PNJ : " + texte + " %");
        }
    }
}

// A machine that joined a network game loads the host's heroes from the
// files the host sent, in a folder of their own.
void Heros_De_L_Hote(ModMain& Main, const SetupChoices& Choix) {
    ModSavPerso& S = Main.SavPerso;
    S.DossierSession = S.CheminSavPerso + "\\Reseau";
    const std::filesystem::path dossier = Main.Dossier.Chemin("\\" + S.DossierSession);
    std::error_code ec;
    std::filesystem::create_directories(dossier, ec);
    // A file left by an earlier session must not stand in for one the
    // host could not send this time.
    for (const auto& f : std::filesystem::directory_iterator(dossier, ec))
        if (f.is_regular_file(ec) && f.path().extension() == S.ExtensionFichiersPerso)
            std::filesystem::remove(f.path(), ec);
    for (const SetupChoices::FichierHeros& f : Choix.FichiersHeros) {
        // The name becomes a file name here: nothing the host sends may
        // write outside the folder.
        if (!ModSavPerso::NomPersoValide(f.Nom) || f.Texte.size() > TailleFichierMax::Perso) {
            Main.MessagesPartie.push_back("Le fichier du personnage « " + f.Nom + " » reçu de l'hôte est refusé.");
            continue;
        }
        if (!EcrireFichierAtomique(S.Chemin_Perso(f.Nom), f.Texte))
            Main.MessagesPartie.push_back("Le fichier du personnage « " + f.Nom + " » reçu de l'hôte n'a pas pu être écrit dans " +
                                          dossier.string() + ".");
    }
}

}  // namespace

std::vector<SetupChoices::FichierHeros> Fichiers_Heros(const ModMain& Main, const SetupChoices& Choix) {
    std::vector<SetupChoices::FichierHeros> r;
    std::set<std::string> vus;
    for (const std::string& nom : Choix.Heros) {
        if (!ModSavPerso::NomPersoValide(nom) || !vus.insert(MinusculesAscii(nom)).second) continue;
        try {
            if (auto texte = LireFichierBorne(Main.SavPerso.Chemin_Perso(nom), TailleFichierMax::Perso, nom))
                r.push_back({nom, std::move(*texte)});
        } catch (const ErreurFichier&) {
            // Too large: the host's own loading reports it and leaves the
            // hero out, and so will the others without its file.
        }
    }
    return r;
}

void Placer_Heros(ModMain& Main, const SetupChoices& Choix, const ProgresChargement& Progres) {
    // One player per machine in a network game.
    const std::int32_t joueurs = Choix.Reseau ? 1 : std::clamp(Choix.NombreJoueursLocaux, 1, 2);
    // The session's characters: 0 .. players - 1, the same on every
    // machine; the host always plays the first.
    const std::int32_t session = Choix.Reseau ? std::max(1, Choix.NombreJoueursReseau) : 0;
    // Until a hero is found for it, each player keeps its own slot.
    // A network game starts from the same slots on every machine, whatever
    // the last game on each left there.
    if (Main.NoPersoParJoueur.size() != static_cast<std::size_t>(joueurs) || Choix.Reseau) {
        Main.NoPersoParJoueur.resize(static_cast<std::size_t>(joueurs));
        for (std::int32_t j = 0; j < joueurs; ++j) Main.NoPersoParJoueur[static_cast<std::size_t>(j)] = j;
    }

    if (Choix.HerosDeLHote) Heros_De_L_Hote(Main, Choix);
    std::vector<std::int32_t> sauves;
    if (Choix.Mode == SetupChoices::ChargerMonde && !Choix.Reseau)
        for (std::size_t i = 0; i < Main.Persos.size(); ++i)
            if (Main.Persos[i].Joueur) sauves.push_back(static_cast<std::int32_t>(i));
    Heros(Main, Choix, joueurs);
    Joueurs_Sauves(Main, Choix, joueurs, std::move(sauves));

    // Player 1's character follows its script when the player lets it. In
    // a network game every machine does so for every player's character:
    // the world must not depend on which machine builds it.
    if (Choix.Reseau) {
        for (std::int32_t k = 0; k < session; ++k)
            if (Valide(Main, k)) Main.Persos[static_cast<std::size_t>(k)].IA = true;
    } else if (Valide(Main, Main.NoPersoJoueur)) {
        Main.Persos[static_cast<std::size_t>(Main.NoPersoJoueur)].IA = true;
    }

    Scripts(Main, Choix);

    // The players drive their own characters; in a network game, every
    // player's, so that no machine's AI drives a character another
    // machine's player orders.
    if (Choix.Reseau) {
        for (std::int32_t k = 0; k < session; ++k)
            if (Valide(Main, k)) Main.Persos[static_cast<std::size_t>(k)].IA_Active = false;
    } else {
        for (std::int32_t k : Main.NoPersoParJoueur)
            if (Valide(Main, k)) Main.Persos[static_cast<std::size_t>(k)].IA_Active = false;
    }

    if (Choix.Mode == SetupChoices::NouveauMonde || Choix.Mode == SetupChoices::NouvelleBataille)
        Niveaux_PNJ(Main, Choix, Progres);

    // In a network game each machine plays the character of its place
    // in the session; its view follows the same character.
    if (Choix.Reseau) {
        for (std::int32_t k = 0; k < session; ++k)
            if (Valide(Main, k)) Main.Persos[static_cast<std::size_t>(k)].Joueur = true;
        if (Valide(Main, Choix.NumeroJoueurReseau)) {
            Main.NoPersoJoueur = Choix.NumeroJoueurReseau;
            Main.NoPersoParJoueur[0] = Choix.NumeroJoueurReseau;
        }
    }
}

void Resoudre_Scripts_IA(ModMain& Main) {
    for (ClsJeuPerso& perso : Main.Persos) {
        if (!perso.IA) continue;
        perso.IndiceIA = Sature16(Main.IA2.Indice_IA(perso.FichierIA));
        if (perso.IndiceIA == -1) perso.IA = false;
    }
}
