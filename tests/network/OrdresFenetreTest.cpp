// A network game of two machines on 127.0.0.1, one of them in the real
// engine window and played through Qt's event loop, the other a headless
// engine run from a timer of the same loop: a click on a castle's "1" buy
// button and a click on a bag slot change both machines' worlds at the
// turn's replay, the player's automatic recovery refills its character on
// both, a click on the map sends its selection of two creatures there on
// both, and the two worlds stay equal (the game's own periodic check never
// fires).
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "characters/ClsJeuPerso.h"
#include "engine/HachageEtat.h"
#include "engine/ModMain.h"
#include "engine/ModesCurseur.h"
#include "network/ClsComReseau.h"
#include "network/PartieReseau.h"
#include "platform/enet/TransportENet.h"
#include "tests/engine/MoteurOutils.h"
#include "tests/network/Sessions.h"
#include "tests/windows/FenetreJeuEssai.h"
#include "tests/windows/ProgrammeEssai.h"


namespace {

std::string IniReseau(std::uint16_t port) {
    return "[Reseau]\nServiceProvider=1\nNomSession=Duo\nNombreJoueurs=2\nAdresse=127.0.0.1\nPort=" +
           std::to_string(port) + "\n";
}

// The host: a game in the real engine window, on the session's port.
struct Hote : essai::FenetreJeu {
    explicit Hote(std::uint16_t port) { d.Ecrire("Ini_Reseau.ini", IniReseau(port)); }
};

}  // namespace

TEST(OrdresFenetre, UnAchatEtUnObjetCliquesChangentLesDeuxMondes) {
    essai::Application a;
    const std::uint16_t port = PortLibre();
    Hote hote(port);
    MoteurSansEcran client;
    client.d.Ecrire("Ini_Reseau.ini", IniReseau(port));
    // Both machines list the same look files, as the join checks; the
    // headless one never draws them.
    std::filesystem::create_directories(client.d.Chemin() / "Images");
    std::filesystem::copy(hote.d.Chemin() / "Images" / "Persos", client.d.Chemin() / "Images" / "Persos",
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    ClsComReseau ra(*hote.dossier, FabriqueTransportENet()), rb(*client.dossier, FabriqueTransportENet());
    rb.PendantAttente = [&] { ra.Pomper(0); };
    ASSERT_TRUE(ra.Session_Creer());
    rb.Rafraichir_Parties();
    ASSERT_TRUE(rb.Session_Rejoindre(0)) << rb.DerniereErreur;
    for (int k = 0; k < 1000 && ra.NombreJoueursConnectes != 2; ++k) ra.Message_Lire(), rb.Message_Lire();
    ASSERT_EQ(ra.NombreJoueursConnectes, 2);
    SetupChoices choix = MoteurSansEcran::Choix(1, 2, 3);
    choix.Reseau = true;
    choix.NombreJoueursReseau = 2;
    hote.Main->Reseau = &ra;
    client.Main->Reseau = &rb;
    choix.NumeroJoueurReseau = 1;
    ASSERT_TRUE(client.M->Demarrer(choix, nullptr, 800, 600));
    choix.NumeroJoueurReseau = 0;

    // The steps, run from a timer inside the games' loops; each once two
    // frames of the host have been drawn since the previous one.
    ModMain* mondes[2] = {hote.Main.get(), client.Main.get()};
    FrmMoteur2D* fenetre = hote.frm.get();
    std::vector<std::pair<std::string, std::function<bool()>>> etapes;
    std::size_t n = 0;
    std::int32_t trame = 0;
    int attente = 0;
    std::string echec;
    auto Fin = [&] {
        for (ModMain* w : mondes)
            if (w) w->FinPartie = true;
    };
    // Both machines between the same two turns: what the test sets by hand
    // is set at the same point of both games.
    auto Alignes = [&] {
        ClsMoteur& h = fenetre->Moteur();
        return h.PartieLancee && h.Reseau && h.CompteurTours > 2 && h.CompteurTours == client.M->CompteurTours &&
               !h.Reseau->EnCours() && !client.M->Reseau->EnCours();
    };
    auto Partout = [&](const std::function<void(ModMain&)>& f) {
        for (ModMain* w : mondes) f(*w);
    };
    auto Pj = [&](int machine, int joueur) -> ClsJeuPerso& {
        return mondes[machine]->Persos[static_cast<std::size_t>(joueur)];
    };
    // The pointer goes over (x, y) first, as a player's hand does, then clicks
    // once the interface knows it is under the pointer.
    auto Bouger = [&](int x, int y) {
        const QPointF p(x, y);
        QWidget* zone = fenetre->Fenetre().Ecran();
        QMouseEvent e(QEvent::MouseMove, p, zone->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(zone, &e);
    };
    auto Cliquer = [&](int x, int y) { QTest::mouseClick(fenetre->Fenetre().Ecran(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y)); };

    const ClsJeuParam& P = hote.Main->Parametres;
    std::int32_t r = -1, nourriture = -1;
    std::int16_t objet = -1;
    double vie = 0;
    for (std::int32_t k = 0; k < P.NombreRessources; ++k)
        if (nourriture < 0 && P.Ressources_Mangeable(k) && P.Ressources_GainVie(k) > 0) nourriture = k;
    // What is bought is no food: the recovery would eat it.
    for (std::int32_t k = 0; k < P.NombreRessources; ++k)
        if (r < 0 && k != nourriture && P.Ressources_PrixVente(k) > 0) r = k;
    for (std::int16_t o = 0; o < P.NombreTypesObjets && objet < 0; ++o)
        if (!P.Objet_Utilisable(o) && P.Objet_Categorie(o) >= 0) objet = o;
    ASSERT_GE(r, 0);
    ASSERT_GE(nourriture, 0);
    ASSERT_GE(objet, 0);

    etapes.push_back({"mise en place", [&] {
        if (!Alignes()) return false;
        Partout([&](ModMain& w) {
            ClsJeuPerso& p = w.Persos[0];
            p.Arreter();
            p.IA_Active = false;
            p.DansChateau = true;
            p.DansChateauCible = p.DansMaison = p.DansMaisonCible = false;
            p.Definir_Ressources(r, 0);
            p.Definir_Argent(1000);
            p.Objet_Inventaire_Vider_Tout();
            p.Objet_Ajouter_Inventaire(objet, w.Parametres, w.Commentaires);
            w.Fiefs[static_cast<std::size_t>(p.Equipe)].Definir_Ressources(r, 10);
            // Hungry, with food.
            p.Definir_Ressources(nourriture, 50);
            p.Definir_Vie(p.Definir_MaxVie() / 4);
        });
        vie = Pj(1, 0).Definir_Vie();
        ClsInterface& i = hote.Interface();
        i.Fermer_Toutes_les_fenetres();
        i.Actionner_Boutons_Infos(0);
        i.AutoRecuperation_Carac(0, false);
        // The pointer is where the game's cursor starts: the middle.
        Bouger(400, 300);
        return true;
    }});
    etapes.push_back({"clic sur « 1 »", [&] {
        const ClsIntFenetre& f = hote.Interface().Fenetres()[0];
        const ClsIntBouton& b = f.BoutonsCommerce[static_cast<std::size_t>(3 * r)];
        if (!b.Visible) return false;
        const int x = f.PositionX + b.PositionX + 3, y = f.PositionY + b.PositionY + 3;
        if (!fenetre->Moteur().Joueurs[0].SurInterface) {
            Bouger(x, y);
            return false;
        }
        Cliquer(x, y);
        return true;
    }});
    etapes.push_back({"l'achat sur les deux machines", [&] {
        return Pj(0, 0).Definir_Ressources(r) == 1 && Pj(1, 0).Definir_Ressources(r) == 1 &&
               Pj(1, 0).Definir_Argent() < 1000;
    }});
    etapes.push_back({"inventaire", [&] {
        ClsInterface& i = hote.Interface();
        i.Fermer_Toutes_les_fenetres();
        i.Actionner_Boutons_Infos(4);
        return true;
    }});
    etapes.push_back({"clic sur la première case du sac", [&] {
        const ClsIntFenetre& f = hote.Interface().Fenetres()[4];
        if (!f.Visible || f.BoutonsObjets.empty()) return false;
        const int x = f.PositionX + f.BoutonsObjets[0].PositionX + 5, y = f.PositionY + f.BoutonsObjets[0].PositionY + 5;
        if (!hote.Interface().SourisSurObjet) {
            Bouger(x, y);
            return false;
        }
        Cliquer(x, y);
        return true;
    }});
    etapes.push_back({"l'objet en main sur les deux machines", [&] {
        return Pj(0, 0).IndiceObjetSelectionne == objet && Pj(1, 0).IndiceObjetSelectionne == objet &&
               !Pj(0, 0).Objet_Inventaire_Actif(0) && !Pj(1, 0).Objet_Inventaire_Actif(0);
    }});
    etapes.push_back({"la récupération automatique", [&] {
        // The player switches its automatic recovery of life on.
        hote.Interface().AutoRecuperation_Carac(0, true);
        return true;
    }});
    etapes.push_back({"la vie remonte sur les deux machines", [&] {
        // The recovery went as the player's order (the character's own
        // needs may eat too, on both machines alike).
        return hote.Interface().ToursRecuperation[0] >= 0 && Pj(0, 0).Definir_Vie() > vie &&
               Pj(1, 0).Definir_Vie() > vie && Pj(0, 0).Definir_Ressources(nourriture) < 50 &&
               Pj(1, 0).Definir_Ressources(nourriture) < 50;
    }});
    // Two villagers (the last two characters) become the player's
    // creatures, selected on the host.
    std::int32_t creatures[2] = {};
    std::int32_t departX[2] = {};
    etapes.push_back({"une sélection de deux créatures", [&] {
        if (!Alignes()) return false;
        const auto nombre = static_cast<std::int32_t>(mondes[0]->Persos.size());
        creatures[0] = nombre - 1;
        creatures[1] = nombre - 2;
        Partout([&](ModMain& w) {
            for (std::int32_t c : creatures) {
                ClsJeuPerso& s = w.Persos[static_cast<std::size_t>(c)];
                s.Vivant(true);
                s.Invocateur = 0;
                s.IA_Active = false;
                s.Arreter();
            }
            w.Persos[0].NombreInvocations = 2;
            w.Persos[0].Parole = true;
            w.Persos[0].Definir_Commentaires("");
        });
        for (int k = 0; k < 2; ++k) departX[k] = Pj(0, creatures[k]).DestinationX;
        hote.Interface().Fermer_Toutes_les_fenetres();
        JoueurLocal& j = fenetre->Moteur().Joueurs[0];
        j.Selection.assign(std::begin(creatures), std::end(creatures));
        j.SelectionVisible = true;
        return true;
    }});
    // The pointer over bare ground, away from the interface, then a click.
    const std::pair<int, int> sols[] = {{200, 200}, {600, 200}, {200, 400}, {600, 400}, {400, 150}, {300, 300}};
    std::size_t sol = 0;
    bool pose = false;
    etapes.push_back({"clic sur la carte", [&] {
        const JoueurLocal& j = fenetre->Moteur().Joueurs[0];
        if (pose && !j.SurInterface && j.ModeCurseur == ModesCurseur::Carte) {
            Cliquer(sols[sol].first, sols[sol].second);
            return true;
        }
        if (pose) sol = (sol + 1) % std::size(sols);
        Bouger(sols[sol].first, sols[sol].second);
        pose = true;
        return false;
    }});
    etapes.push_back({"les deux créatures partent sur les deux machines", [&] {
        for (int k = 0; k < 2; ++k)
            for (int machine = 0; machine < 2; ++machine)
                if (Pj(machine, creatures[k]).DestinationX == departX[k] ||
                    Pj(machine, creatures[k]).DestinationX != Pj(0, creatures[k]).DestinationX)
                    return false;
        // The leader gave the order once, on each machine.
        return !Pj(0, 0).Definir_Commentaires().empty() && !Pj(1, 0).Definir_Commentaires().empty();
    }});
    etapes.push_back({"deux mondes égaux", [&] {
        if (!Alignes()) return false;
        EXPECT_EQ(Hacher_Parties(*mondes[0]), Hacher_Parties(*mondes[1]));
        return true;
    }});

    QTimer veille;
    QObject::connect(&veille, &QTimer::timeout, [&] {
        // The client's machine: a pass on its own clock.
        client.horloge.Temps += 0.005;
        client.M->Passe();
        ClsMoteur& m = fenetre->Moteur();
        if (!m.PartieLancee) return;
        if (n >= etapes.size() || mondes[0]->FinPartie || mondes[1]->FinPartie) return Fin();
        if (m.CompteurTrames < trame + 2) return;
        trame = m.CompteurTrames;
        if (etapes[n].second()) {
            ++n;
            attente = 0;
        } else if (++attente > 3000) {
            echec = etapes[n].first;
            Fin();
        }
    });
    veille.start(2);
    QTimer::singleShot(60000, [&] {
        if (echec.empty()) echec = "la partie n'a pas fini";
        Fin();
    });
    hote.frm->MoteurJeu(choix);
    veille.stop();
    EXPECT_EQ(n, etapes.size()) << "étape « " << (n < etapes.size() ? etapes[n].first : "") << " » " << echec;
    // The game's own check of the two worlds never fired.
    for (ModMain* w : mondes) {
        EXPECT_TRUE(w->MessagesPartie.empty()) << w->MessagesPartie.front();
    }
}
