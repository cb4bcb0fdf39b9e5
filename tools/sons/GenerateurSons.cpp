// The sound generator: makes one effect sound for every visual effect of
// the data set (the file its Son key names) and the music loops of every
// situation, into the folders that Ini_Sons and Ini_Musiques name. Run by
// the build when the game folder is assembled.
//
//   generateur_sons <data folder> <game folder>
#include <iostream>
#include <set>
#include <string>

#include "platform/Chemins.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/Nombres.h"
#include "rules/ClsFicINI.h"
#include "tools/sons/Bruitages.h"
#include "tools/sons/Musiques.h"

namespace {

std::string Lire(DossierJeu& dossier, const char* fichier, const char* section, const std::string& cle) {
    ClsFicINI ini(dossier);
    ini.NomFichier = fichier;
    ini.Section = section;
    return ini.Parametre(cle);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage : generateur_sons <dossier des données> <dossier du jeu>\n";
        return 2;
    }
    try {
        DossierJeu donnees(argv[1]);
        const std::filesystem::path jeu = argv[2];
        int n = 0, echecs = 0;

        // One sound per effect name (two effects may share one file).
        const std::string dossierSons = Lire(donnees, "Ini_Sons", "Sons", "Chemin");
        const auto nombre = static_cast<int>(Val(Lire(donnees, "Ini_Parametres_Effets", "Effets", "NombreEffets")));
        std::set<std::string> faits;
        for (int i = 1; i <= nombre && i <= 10000; ++i) {
            const std::string son = Lire(donnees, "Ini_Parametres_Effets", ("Effet_" + std::to_string(i)).c_str(), "Son");
            if (son.empty() || !faits.insert(son).second) continue;
            if (synthese::EcrireWav(CheminJeu(jeu, dossierSons + "\\" + son), synthese::Bruitage(son))) ++n;
            else ++echecs, std::cerr << "Impossible d'écrire le son " << son << "\n";
        }

        const std::string racine = Lire(donnees, "Ini_Musiques", "Musiques", "Chemin");
        for (const auto& m : synthese::Musiques()) {
            const std::string dossier = Lire(donnees, "Ini_Musiques", "Musiques", m.Situation);
            if (synthese::EcrireWav(CheminJeu(jeu, racine + "\\" + dossier + "\\" + m.Nom), m.Son)) ++n;
            else ++echecs, std::cerr << "Impossible d'écrire la musique " << m.Nom << "\n";
        }
        std::cout << "Sons : " << n << " fichiers dans " << jeu.string() << "\n";
        return echecs ? 1 : 0;
    } catch (const ErreurFichier& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
