#include "tools/DonneesRegles.h"

#include <algorithm>

#include "platform/DossierJeu.h"
#include "platform/Nombres.h"
#include "rules/ClsFicINI.h"

namespace {

struct Lecteur {
    ClsFicINI ini;
    Lecteur(DossierJeu& d, const char* fichier) : ini(d) { ini.NomFichier = fichier; }
    Lecteur& Section(const std::string& s) { ini.Section = s; return *this; }
    std::string Texte(const char* cle) { return ini.Parametre(cle); }
    int Nombre(const char* cle, int defaut = 0) {
        std::string v = ini.Parametre(cle);
        if (v.empty()) return defaut;
        return static_cast<int>(Arrondi(Val(v)));
    }
};

// Rows of a numbered family: the count key when there is one, else the
// sections "<prefix>1", "<prefix>2", ... that follow each other.
int Compter(DossierJeu& d, const char* fichier, const char* prefixe) {
    auto sections = d.Sections(std::string(fichier) + ".ini");
    int n = 0;
    while (std::find_if(sections.begin(), sections.end(), [&](const std::string& s) {
               return s == std::string(prefixe) + std::to_string(n + 1);
           }) != sections.end())
        ++n;
    return n;
}

}  // namespace

DonneesRegles DonneesRegles::Lire(DossierJeu& d) {
    DonneesRegles r;
    {
        Lecteur t(d, "Ini_Terrain");
        t.Section("Terrains");
        r.LargeurCase = std::max(1, t.Nombre("LargeurCase", 32));
        r.HauteurCase = std::max(1, t.Nombre("HauteurCase", 32));
        r.EtapesAnimation = std::max(1, t.Nombre("NombreEtapesAnimation", 1));
        const int n = t.Nombre("NombreTypesTerrains");
        for (int k = 0; k <= n; ++k) {
            t.Section("Terrain_" + std::to_string(k));
            r.Terrains.push_back({t.Texte("Nom"), t.Nombre("Animation") != 0});
        }
    }
    {
        Lecteur e(d, "Ini_Ecran");
        e.Section("Ecran");
        const int n = e.Nombre("NombreResolution");
        for (int k = 1; k <= n; ++k) {
            e.Section("Resolution_" + std::to_string(k));
            r.Resolutions.emplace_back(e.Nombre("Largeur"), e.Nombre("Hauteur"));
        }
        Lecteur s(d, "Ini_Souris");
        s.Section("Souris");
        r.CheminCurseurs = s.Texte("Chemin");
        r.NombreCurseurs = s.Nombre("NombreCurseurs", 14);
        r.LargeurCurseur = s.Nombre("LargeurImage", 32);
        r.HauteurCurseur = s.Nombre("HauteurImage", 32);
    }
    {
        Lecteur p(d, "Ini_Parametres_Persos");
        p.Section("Personnages");
        r.NombreApparences = p.Nombre("PersosNombreApparences");
        r.LargeurPerso = p.Nombre("PersosLargeurDefaut", 24);
        r.HauteurPerso = p.Nombre("PersosHauteurDefaut", 32);
        Lecteur f(d, "Ini_Parametres_Fiefs");
        r.NombreEpoques = f.Section("Epoques").Nombre("NombreEpoques");
    }
    {
        Lecteur p(d, "Ini_Parametres_Peuples");
        const int n = p.Section("Peuples").Nombre("NombrePeuples");
        for (int k = 1; k <= n; ++k) {
            p.Section("Peuple_" + std::to_string(k));
            r.Peuples.push_back({p.Texte("Nom"), p.Nombre("ChateauLargeur", 128), p.Nombre("ChateauHauteur", 128),
                                 p.Nombre("NombreMonstres")});
        }
    }
    {
        Lecteur p(d, "Ini_Parametres_Races");
        const int n = Compter(d, "Ini_Parametres_Races", "Race_");
        for (int k = 1; k <= n; ++k) {
            p.Section("Race_" + std::to_string(k));
            Race race;
            race.Nom = p.Texte("NomM");
            race.Largeur = p.Nombre("Largeur");
            race.Hauteur = p.Nombre("Hauteur");
            if (race.Largeur <= 0) race.Largeur = r.LargeurPerso;
            if (race.Hauteur <= 0) race.Hauteur = r.HauteurPerso;
            race.DefinirApparence = p.Nombre("DefinirApparence") != 0;
            race.Volant = p.Nombre("Volant") != 0;
            race.Jouable = p.Nombre("Jouable") != 0;
            race.CheminM = p.Texte("CheminApparenceM");
            race.CheminF = p.Texte("CheminApparenceF");
            r.Races.push_back(std::move(race));
        }
    }
    {
        Lecteur b(d, "Ini_Parametres_Batiments");
        const int n = b.Section("Batiments").Nombre("NombreTypeBatiments");
        for (int k = 1; k <= n; ++k) {
            b.Section("Batiment_" + std::to_string(k));
            Batiment t;
            t.Nom = b.Texte("Nom");
            t.Largeur = std::max(8, b.Nombre("Largeur", 64));
            t.Hauteur = std::max(8, b.Nombre("Hauteur", 64));
            t.EtapesFabrication = std::max(1, b.Nombre("NombreEtapeFabrication", 1));
            t.EtapesAnimation = std::max(1, b.Nombre("NombreEtapeAnimation", 1));
            t.NoEpoque = b.Nombre("NoEpoque", 1);
            t.Magasin = b.Nombre("Magasin") != 0;
            t.Fabrique = b.Nombre("Fabrique") != 0;
            t.Service = b.Nombre("Service");
            t.ApparencePerso = b.Nombre("ApparencePerso");
            t.RessourceFabrique = b.Nombre("RessourceFabrique") - 1;
            r.Batiments.push_back(std::move(t));
        }
    }
    {
        Lecteur res(d, "Ini_Parametres_Ressources");
        const int n = res.Section("Ressources").Nombre("NombreRessources");
        for (int k = 1; k <= n; ++k) r.Ressources.push_back(res.Section("Ressource_" + std::to_string(k)).Texte("Nom"));
        const int m = res.Section("Terrain_Ressources").Nombre("NombreTerrainRessource");
        for (int k = 1; k <= m; ++k) {
            res.Section("TerrainRessource_" + std::to_string(k));
            r.Depots.push_back({res.Texte("Nom"), res.Nombre("TypeRessource") - 1});
        }
    }
    {
        Lecteur o(d, "Ini_Parametres_Objets");
        const int n = o.Section("Tresors").Nombre("NombreTresors");
        for (int k = 1; k <= n; ++k) r.Tresors.push_back(o.Section("Tresor_" + std::to_string(k)).Texte("Nom"));
        const int m = Compter(d, "Ini_Parametres_Objets", "Objet_");
        for (int k = 1; k <= m; ++k) {
            o.Section("Objet_" + std::to_string(k));
            Objet obj{o.Texte("Nom"), o.Texte("Image"), o.Nombre("Categorie"), o.Nombre("ApparencePerso")};
            if (obj.Image.empty()) obj.Image = obj.Nom;
            r.Objets.push_back(std::move(obj));
        }
    }
    {
        Lecteur dec(d, "Ini_Parametres_Decors");
        const int n = dec.Section("Decors").Nombre("NombreDecors");
        for (int k = 1; k <= n; ++k) {
            dec.Section("Decor_" + std::to_string(k));
            r.Decors.push_back({dec.Texte("Nom"), dec.Texte("Image"), std::max(4, dec.Nombre("Largeur", 32)),
                                std::max(4, dec.Nombre("Hauteur", 32)), std::max(1, dec.Nombre("NombreEtapeAnimation", 1))});
        }
        Lecteur e(d, "Ini_Parametres_Effets");
        const int m = e.Section("Effets").Nombre("NombreEffets");
        for (int k = 1; k <= m; ++k) {
            e.Section("Effet_" + std::to_string(k));
            r.Effets.push_back({e.Texte("Nom"), e.Texte("Fichier"), std::max(4, e.Nombre("Largeur", 32)),
                                std::max(4, e.Nombre("Hauteur", 32)), std::max(1, e.Nombre("NombreEtapes", 1))});
        }
    }
    return r;
}
