#include "saves/ModScenario.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "engine/ModMain.h"
#include "platform/Chemins.h"
#include "platform/ErreurFichier.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "world/ModEmplacement.h"
#include "world/ModGenererMonde.h"

namespace fs = std::filesystem;

namespace {

// Limits of what a scenario may ask for: a file's cost stays bounded.
constexpr std::int32_t MaxFiefs = 64;
constexpr std::int32_t MaxPersos = 5000;
constexpr std::int32_t MaxRessources = 20000;
constexpr std::int32_t MaxCarte = 1024;
// Characteristics, amounts and quantities a line may give.
constexpr double MaxValeur = 1e6;
constexpr double MaxArgent = 1e9;
// Tries of the draw-until-it-fits loops before their fallback.
constexpr int EssaisTirage = 200;
constexpr int EssaisEmplacement = 400;

class Lecture {
public:
    Lecture(ModMain& M, std::string fichier) : M(M), P(M.Parametres), fichier_(std::move(fichier)) {}

    void Lire(std::string_view texte) {
        // A scenario describes a whole world: nothing of the last game (its
        // characters outlive it) is taken into this one unasked.
        M.Fiefs.clear();
        M.Chateaux.clear();
        M.Persos.clear();
        M.Maisons.clear();
        M.EffetsPersos.clear();
        M.EffetsMaisons.clear();
        const std::vector<std::string> lignes = DecouperLignes(texte);
        for (std::size_t n = 0; n < lignes.size(); ++n) {
            ligne_ = n + 1;
            Ligne(MinusculesAscii(lignes[n]));
        }
        Fin_Du_Fichier();
    }

    void Objet_Hasard(std::int32_t i, double chance) {
        if (!(M.Aleatoire.Nombre_Aleatoire() < chance / 100.0)) return;
        const std::int32_t N = P.NombreTypesObjets;
        if (N < 2) return;
        std::int16_t k = -1;
        for (int essai = 0; essai < EssaisTirage && k < 0; ++essai) {
            const auto t = static_cast<std::int16_t>(Entier(static_cast<double>(M.Aleatoire.Nombre_Aleatoire()) * (N - 1)));
            if (!P.Objet_Secret(t)) k = t;
        }
        // The draw never fits (the fixed table of a network game may never
        // reach a value): the first object that is not secret.
        for (std::int16_t t = 0; k < 0 && t < N - 1; ++t)
            if (!P.Objet_Secret(t)) k = t;
        if (k >= 0) M.Persos[static_cast<std::size_t>(i)].Objet_Ajouter_Inventaire(k, P, M.Commentaires, true);
    }

private:
    [[noreturn]] void Erreur(const std::string& quoi) const {
        throw ErreurFichier(fichier_, "Ligne " + std::to_string(ligne_) + " : " + quoi);
    }

    double Nombre(const std::string& t, const char* quoi) const {
        const std::optional<double> v = ValeurStricte(t);
        if (!v) Erreur(std::string(quoi) + " : « " + t + " » n'est pas un nombre.");
        return *v;
    }
    std::int32_t Entier32(const std::string& t, const char* quoi, long long min = -2147483648LL,
                          long long max = 2147483647LL) const {
        const double r = Arrondi(Nombre(t, quoi));
        if (!(r >= static_cast<double>(min) && r <= static_cast<double>(max)))
            Erreur(std::string(quoi) + " : " + t + " est hors des limites (" + std::to_string(min) + " à " +
                   std::to_string(max) + ").");
        return static_cast<std::int32_t>(r);
    }
    // A 1-based element number of the file, checked against the count n,
    // returned 0-based.
    std::int32_t Numero(const std::string& t, const char* quoi, long long n) const {
        if (n < 1) Erreur(std::string(quoi) + " : il n'y en a aucun.");
        return Entier32(t, quoi, 1, n) - 1;
    }
    // A number within min..max.
    double Borne(const std::string& t, const char* quoi, double min, double max) const {
        const double v = Nombre(t, quoi);
        if (v < min || v > max)
            Erreur(std::string(quoi) + " : " + t + " est hors des limites (" + TexteNombre(min) + " à " + TexteNombre(max) + ").");
        return v;
    }
    bool Booleen(const std::string& t, const char* quoi) const { return Nombre(t, quoi) != 0.0; }

    void Ligne(const std::string& l) {
        const std::size_t egal = l.find('=');
        if (egal == std::string::npos || l.empty() || l[0] == '#') {
            if (l == "debut") Debut();
            else if (l == "fin") Fin();
            return;
        }
        const std::string cle = l.substr(0, egal);
        const std::size_t virgule = l.find(',');
        if (virgule != std::string::npos) {
            if (virgule < egal) Erreur("une virgule se trouve avant le signe « = ».");
            A_ = l.substr(egal + 1, virgule - egal - 1);
            B_ = l.substr(virgule + 1);
        } else {
            A_ = l.substr(egal + 1);
            B_ = "0";
        }
        const std::size_t ouvre = l.find('(');
        if (ouvre != std::string::npos) {
            const std::size_t ferme = l.find(')', ouvre);
            if (ferme == std::string::npos) Erreur("la parenthèse ouverte n'est pas refermée par « ) ».");
            const std::size_t tiret = l.find('-');
            if (tiret != std::string::npos && tiret < l.find(')')) {
                if (tiret < ouvre) Erreur("un « - » se trouve avant la parenthèse.");
                Premier_ = Indice(l.substr(ouvre + 1, tiret - ouvre - 1));
                Dernier_ = Indice(l.substr(tiret + 1, ferme - tiret - 1));
            } else {
                const std::string dedans(Rogner(l.substr(ouvre + 1, ferme - ouvre - 1)));
                if (dedans == "tous") {
                    Premier_ = 0;
                    Dernier_ = l.rfind("fief", 0) == 0 ? static_cast<std::int32_t>(M.Fiefs.size()) - 1
                                                       : static_cast<std::int32_t>(M.Persos.size()) - 1;
                } else {
                    Premier_ = Dernier_ = Indice(dedans);
                }
            }
        }
        const std::size_t souligne = l.find('_');
        if (souligne != std::string::npos) {
            if (souligne > egal) Erreur("le « _ » de l'attribut se trouve après le signe « = ».");
            Attribut_ = l.substr(souligne + 1, egal - souligne - 1);
        }

        Cle_Monde(cle);
        if (l.rfind("terrain_carrevide", 0) == 0) Terrain(false);
        if (l.rfind("terrain_carreplein", 0) == 0) Terrain(true);
        if (l.rfind("decor", 0) == 0) Decor();
        if (l.rfind("fief", 0) == 0) Pour_Chaque(M.Fiefs.size(), "fief", [&](std::int32_t i) { Fief(i); });
        if (l.rfind("perso", 0) == 0) {
            A_num_.reset();
            B_num_.reset();
            Pour_Chaque(M.Persos.size(), "personnage", [&](std::int32_t i) { Perso(i); });
        }
        if (l.rfind("maison", 0) == 0) Pour_Chaque(M.Maisons.size(), "maison", [&](std::int32_t i) { Maison(i); });
    }

    // A number in parentheses, read leniently, minus 1. Kept in 64 bits
    // with the range it names, so that the number after it (a message's
    // "n + 1", a shape's cell) cannot overflow.
    static std::int64_t Indice(const std::string& t) { return Sature32(Arrondi(Val(t) - 1.0)); }

    template <class F>
    void Pour_Chaque(std::size_t n, const char* quoi, F f) {
        if (Premier_ < 0 || Dernier_ >= static_cast<std::int64_t>(n) || Premier_ > Dernier_)
            Erreur(std::string("les ") + quoi + "s " + std::to_string(Premier_ + 1) + " à " +
                   std::to_string(Dernier_ + 1) + " n'existent pas (il y en a " + std::to_string(n) + ").");
        for (auto i = static_cast<std::int32_t>(Premier_); i <= Dernier_; ++i) f(i);
    }

    void Cle_Monde(const std::string& cle) {
        // "debut" builds the world from these: changed after it, they would
        // leave characters in fiefs and cells that no longer exist.
        if (DebutFait_ && (cle == "nombre_fiefs" || cle == "nombre_persos" || cle == "monde_largeur" ||
                           cle == "monde_hauteur"))
            Erreur(cle + " se donne avant « debut », qui a déjà bâti le monde.");
        if (cle == "nombre_fiefs") {
            const std::int32_t n = Entier32(A_, "nombre_fiefs", 1, MaxFiefs);
            // Characters already given a fief keep it: it must still exist.
            for (std::size_t k = 0; k < M.Persos.size(); ++k)
                if (M.Persos[k].Equipe >= n)
                    Erreur("le personnage " + std::to_string(k + 1) + " appartient déjà au fief " +
                           std::to_string(M.Persos[k].Equipe + 1) + ", qui n'existerait plus.");
            M.Fiefs.assign(static_cast<std::size_t>(n), ClsJeuFief{});
            M.Chateaux.assign(static_cast<std::size_t>(n), ClsJeuBatiment{});
            for (std::int32_t i = 0; i < n; ++i) {
                M.Fiefs[static_cast<std::size_t>(i)].Init(P);
                M.Chateaux[static_cast<std::size_t>(i)].Main = &M;
                M.Chateaux[static_cast<std::size_t>(i)].Proprietaire = i;
            }
        } else if (cle == "nombre_ressources") {
            const std::int32_t n = Entier32(A_, "nombre_ressources", 0, MaxRessources);
            M.Ressources.assign(static_cast<std::size_t>(n), ClsJeuRessources{});
        } else if (cle == "nombre_persos") {
            const std::int32_t n = Entier32(A_, "nombre_persos", 1, MaxPersos);
            M.Persos.clear();
            M.Persos.reserve(static_cast<std::size_t>(n));
            for (std::int32_t i = 0; i < n; ++i) M.Persos.emplace_back(&M).Init(i, P);
            M.EffetsPersos.assign(static_cast<std::size_t>(n), ClsJeuEffet{});
            M.Maisons.assign(static_cast<std::size_t>(n), ClsJeuBatiment{});
            M.EffetsMaisons.assign(static_cast<std::size_t>(n), ClsJeuEffet{});
            for (std::int32_t i = 0; i < n; ++i) {
                M.Maisons[static_cast<std::size_t>(i)].Main = &M;
                M.Maisons[static_cast<std::size_t>(i)].Proprietaire = i;
            }
        } else if (cle == "monde_largeur") {
            M.Monde.LargeurCarte = Entier32(A_, "monde_largeur", 8, MaxCarte);
        } else if (cle == "monde_hauteur") {
            M.Monde.HauteurCarte = Entier32(A_, "monde_hauteur", 8, MaxCarte);
        } else if (cle == "type_terrain") {
            M.Monde.TypeMonde = static_cast<std::int16_t>(Entier32(A_, "type_terrain", 0, M.Monde.NombreTypesMondes - 1));
        } else if (cle == "epoque") {
            const std::int32_t e = Numero(A_, "epoque", P.NombreEpoques);
            for (ClsJeuFief& f : M.Fiefs) f.Epoque = static_cast<std::int16_t>(e);
        } else if (cle == "rangees") {
            Rangees_ = Entier32(A_, "rangees", 1, MaxPersos);
        } else if (cle == "choix_terrain") {
            ChoixTerrain_ = static_cast<std::int16_t>(Entier32(A_, "choix_terrain", 0, 32767));
        }
    }

    void Terrain(bool plein) {
        if (!DebutFait_) Erreur("les formes de terrain viennent après « debut ».");
        if (ChoixTerrain_ > M.Monde.NombreTypesTerrains())
            Erreur("choix_terrain " + std::to_string(ChoixTerrain_) + " ne désigne aucun type de terrain.");
        const std::int32_t W = M.Monde.LargeurCarte, H = M.Monde.HauteurCarte;
        const std::int64_t colonne = Premier_ + 1, ligne = Dernier_ + 1;
        const std::int32_t x2 = Entier32(A_, "terrain x2", 0, W), y2 = Entier32(B_, "terrain y2", 0, H);
        if (colonne < 0 || colonne > W || ligne < 0 || ligne > H) Erreur("la forme de terrain commence hors de la carte.");
        const auto x1 = static_cast<std::int32_t>(colonne), y1 = static_cast<std::int32_t>(ligne);
        auto cellule = [&](std::int32_t x, std::int32_t y) {
            M.Monde.Param_TerrainCategorie(y * W + x, ChoixTerrain_);
        };
        if (plein) {
            for (std::int32_t x = x1; x <= x2; ++x)
                for (std::int32_t y = y1; y <= y2; ++y) cellule(x, y);
        } else {
            for (std::int32_t x = x1; x <= x2; ++x) {
                cellule(x, y1);
                cellule(x, y2);
            }
            for (std::int32_t y = y1; y <= y2; ++y) {
                cellule(x1, y);
                cellule(x2, y);
            }
        }
    }

    void Decor() {
        if (Premier_ < 0 || Premier_ >= P.NombreDecors)
            Erreur("le décor " + std::to_string(Premier_ + 1) + " n'existe pas (il y en a " +
                   std::to_string(P.NombreDecors) + ").");
        M.Decors.Ajouter_Decor(static_cast<std::int16_t>(Premier_), Entier32(A_, "decor x"), Entier32(B_, "decor y"), P);
    }

    void Fief(std::int32_t i) {
        ClsJeuFief& f = M.Fiefs[static_cast<std::size_t>(i)];
        ClsJeuBatiment& c = M.Chateaux[static_cast<std::size_t>(i)];
        const std::string& a = Attribut_;
        if (a == "peuple") f.Peuple = static_cast<std::int16_t>(Numero(A_, "peuple", P.NombrePeuples));
        else if (a == "equipe") f.Camp = Entier32(A_, "equipe");
        else if (a == "epoque") f.Epoque = static_cast<std::int16_t>(Numero(A_, "epoque", P.NombreEpoques));
        else if (a == "maxvie") {
            c.MaxVie = Entier32(A_, "maxvie", 0, static_cast<long long>(MaxValeur));
            c.Vie = c.MaxVie;
        } else if (a == "vie") c.Vie = Borne(A_, "vie", 0, MaxValeur);
        else if (a == "position") {
            c.X = Entier32(A_, "position x");
            c.Y = Entier32(B_, "position y");
        }
    }

    ClsJeuPerso& Perso_(std::int32_t i) { return M.Persos[static_cast<std::size_t>(i)]; }

    void Perso(std::int32_t i) {
        ClsJeuPerso& p = Perso_(i);
        const bool autre = i != M.NoPersoJoueur;
        const std::string& a = Attribut_;
        const auto n = static_cast<long long>(M.Persos.size());
        auto A = [&](const char* q) { return Borne(A_, q, 0, MaxValeur); };
        if (a == "ia") p.IA_Active = Booleen(A_, "ia");
        else if (a == "ia_equiper") { if (autre) p.Equiper = Booleen(A_, "ia_equiper"); }
        else if (a == "ia_manger") { if (autre) p.IA_Manger = Booleen(A_, "ia_manger"); }
        else if (a == "ia_pacifique") { if (autre) p.IA_Pacifique = Booleen(A_, "ia_pacifique"); }
        else if (a == "ia_temeraire") { if (autre) p.IA_Temeraire = Booleen(A_, "ia_temeraire"); }
        else if (a == "fichier_ia") {
            if (!autre) return;
            // Found whatever its letter case.
            const std::int32_t k = M.IA2.Indice_IA(std::string(Rogner(A_)));
            if (k < 0) Erreur("le script d'IA « " + A_ + " » est introuvable dans le dossier IAs.");
            p.FichierIA = M.IA2.AIs[static_cast<std::size_t>(k)].NomFichier;
            p.IA = true;
        } else if (a == "position") {
            if (!A_num_) {
                A_num_ = static_cast<double>(Entier32(A_, "position x"));
                B_num_ = static_cast<double>(Entier32(B_, "position y"));
            }
            p.PositionX = p.DestinationX = Sature32(*A_num_);
            p.PositionY = p.DestinationY = Sature32(*B_num_);
            *B_num_ += 24;
            if ((i - Premier_ + 1) % Rangees_ == 0) {
                *B_num_ -= 24.0 * Rangees_;
                *A_num_ += 24;
            }
        } else if (a == "direction") {
            p.Aller_A(Sature32(p.PositionX + Borne(A_, "direction x", -1e7, 1e7)), Sature32(p.PositionY + Borne(B_, "direction y", -1e7, 1e7)));
        } else if (a == "allerchateau") {
            const std::int32_t k = Numero(A_, "allerchateau", static_cast<long long>(M.Chateaux.size()));
            p.Aller_Chateau(M.Chateaux[static_cast<std::size_t>(k)], k);
        } else if (a == "allermaison") {
            p.Aller_Maison(M.Maisons[static_cast<std::size_t>(Numero(A_, "allermaison", n))]);
        } else if (a == "attaquerperso") {
            p.Attaquer_Perso(Numero(A_, "attaquerperso", n));
        } else if (a == "attaquerpersos") {
            if (!A_num_) A_num_ = static_cast<double>(Numero(A_, "attaquerpersos", n));
            if (*A_num_ >= static_cast<double>(n)) Erreur("attaquerpersos vise un personnage qui n'existe pas.");
            p.Attaquer_Perso(Sature32(*A_num_));
            *A_num_ += 1;
        } else if (a == "attaquermaison") {
            p.Attaquer_Maison(Numero(A_, "attaquermaison", n));
        } else if (a == "attaquerchateau") {
            p.Attaquer_Chateau(Numero(A_, "attaquerchateau", static_cast<long long>(M.Chateaux.size())));
        } else if (a == "nom") {
            if (!autre) return;
            std::string nom(Rogner(A_));
            if (nom.empty()) Erreur("le nom est vide.");
            p.Nom = PremiereMajuscule(nom);
        } else if (a == "chef") {
            const std::int32_t k = Numero(A_, "chef", n);
            if (k == i) Erreur("un personnage ne peut pas être son propre chef.");
            p.Invocateur = k;
            p.DecalageFormationX = p.PositionX - Perso_(k).PositionX;
            p.DecalageFormationY = p.PositionY - Perso_(k).PositionY;
        } else if (a == "maxvie") { p.Definir_MaxVie(A("maxvie")); p.Ajuster_Bonus(); p.Vie = A("maxvie"); }
        else if (a == "vie") p.Vie = Borne(A_, "vie", -MaxValeur, MaxValeur);
        else if (a == "maxenergie") { p.Definir_MaxEnergie(A("maxenergie")); p.Ajuster_Bonus(); p.Energie = A("maxenergie"); }
        else if (a == "energie") p.Energie = Borne(A_, "energie", -MaxValeur, MaxValeur);
        else if (a == "maxmagie") { p.Definir_MaxMagie(A("maxmagie")); p.Ajuster_Bonus(); p.Magie = A("maxmagie"); }
        else if (a == "magie") p.Magie = Borne(A_, "magie", -MaxValeur, MaxValeur);
        else if (a == "maxmoral") { p.Definir_MaxMoral(A("maxmoral")); p.Ajuster_Bonus(); p.Moral = A("maxmoral"); }
        else if (a == "moral") p.Moral = Borne(A_, "moral", -MaxValeur, MaxValeur);
        else if (a == "maxattaque") { p.Definir_MaxAttaque(A("maxattaque")); p.Ajuster_Bonus(); p.Attaque = A("maxattaque"); }
        else if (a == "attaque") p.Attaque = Borne(A_, "attaque", -MaxValeur, MaxValeur);
        else if (a == "maxdefense") { p.Definir_MaxDefense(A("maxdefense")); p.Ajuster_Bonus(); p.Defense = A("maxdefense"); }
        else if (a == "defense") p.Defense = Borne(A_, "defense", -MaxValeur, MaxValeur);
        else if (a == "vitesse") { p.Vitesse = Entier32(A_, "vitesse", 0, 1000); p.Ajuster_Bonus(); }
        else if (a == "effetattaque") p.EffetAttaque = static_cast<std::int16_t>(Numero(A_, "effetattaque", P.NombreEffets));
        else if (a == "parole") p.Parole = Booleen(A_, "parole");
        else if (a == "grade") {
            const std::int16_t peuple = M.Fiefs[static_cast<std::size_t>(Fief_De(p))].Peuple;
            const std::int32_t g = Numero(A_, "grade", P.Peuples_NombreMonstres(peuple));
            Choisir_Race_Perso(M, i, peuple, static_cast<std::int16_t>(g), false);
            p.Actualiser_Bonus();
        } else if (a == "race") {
            p.Changer_Race_Personnage(Entier32(A_, "race", 0, P.NombreRaces - 1), P, false);
            p.Actualiser_Bonus();
        } else if (a == "sexe") {
            if (autre) p.Sexe = Booleen(A_, "sexe");
        } else if (a == "fief") {
            p.Equipe = Numero(A_, "fief", static_cast<long long>(M.Fiefs.size()));
            const ClsJeuFief& f = M.Fiefs[static_cast<std::size_t>(p.Equipe)];
            p.Camp = f.Camp;
            if (autre) Choisir_Race_Perso(M, i, f.Peuple, -1, false);
            p.Actualiser_Bonus();
            p.Definir_Attaque(p.Definir_MaxAttaque());
            p.Definir_Defense(p.Definir_MaxDefense());
        } else if (a == "dansunchateau") {
            const std::int32_t k = Numero(A_, "dansunchateau", static_cast<long long>(M.Chateaux.size()));
            const ClsJeuBatiment& c = M.Chateaux[static_cast<std::size_t>(k)];
            p.PositionX = Sature32(Arrondi(c.X + c.Largeur / 2.0 - p.Largeur / 2.0 + c.EntreePositionX));
            p.PositionY = Sature32(Arrondi(c.Y + c.Hauteur / 2.0 - p.Hauteur / 2.0 + c.EntreePositionY));
            if (p.Equipe == k) p.DansChateau = true;
            else p.DansChateauCible = true;
            p.Arreter();
        } else if (a == "argent") {
            const double montant = Borne(A_, "argent", 0, MaxArgent), ecart = Borne(B_, "argent écart", 0, 100);
            const double r = M.Aleatoire.Nombre_Aleatoire();
            p.Definir_Argent(ecart == 0 ? montant : montant - montant * ecart / 100 + (montant * ecart / 100) * r);
        } else if (a == "ressource") {
            const double q = Borne(B_, "quantité", 0, MaxValeur);
            if (Nombre(A_, "ressource") == 0) {
                const std::int16_t type = M.Maisons[static_cast<std::size_t>(i)].TypeBatiment;
                for (std::int32_t k = 0; k < P.NombreRessources; ++k) {
                    if (P.Ressources_Mangeable(k) || P.Ressources_NecessairePourConstruire(k) ||
                        P.Batiment_TypeMatierePremiere(type, M.Aleatoire) == k)
                        p.Definir_Ressources(k, p.Definir_Ressources(k) + q * M.Aleatoire.Nombre_Aleatoire());
                }
            } else {
                p.Definir_Ressources(Numero(A_, "ressource", P.NombreRessources), q);
            }
        } else if (a == "objet") {
            const auto type = static_cast<std::int16_t>(Numero(A_, "objet", P.NombreTypesObjets));
            const std::int32_t nombre = Entier32(B_, "nombre d'objets", 0, 100);
            for (std::int32_t k = 0; k < std::max(1, nombre); ++k) p.Objet_Ajouter_Inventaire(type, P, M.Commentaires, true);
            // The file says what the character carries: the game start
            // adds no race equipment to it.
            p.EquipementDecrit = true;
        } else if (a == "equipement") {
            const std::int32_t essais = Entier32(A_, "equipement", 0, 100);
            const double chance = Borne(B_, "chance", 0, 100);
            for (std::int32_t k = 0; k <= essais; ++k) Objet_Hasard(i, chance);
            p.EquipementDecrit = true;
        }
    }

    std::int32_t Fief_De(const ClsJeuPerso& p) const {
        if (p.Equipe < 0 || static_cast<std::size_t>(p.Equipe) >= M.Fiefs.size())
            Erreur("le personnage n'appartient à aucun fief : donnez-lui « fief » d'abord.");
        return p.Equipe;
    }

    bool Emplacement_Le_Plus_Proche(std::int32_t i, std::int16_t Type, std::int32_t& X, std::int32_t& Y) const {
        const ClsJeuPerso& p = M.Persos[static_cast<std::size_t>(i)];
        if (p.Equipe < 0 || static_cast<std::size_t>(p.Equipe) >= M.Chateaux.size()) return false;
        const ClsJeuBatiment& c = M.Chateaux[static_cast<std::size_t>(p.Equipe)];
        const ClsJeuMonde& W = M.Monde;
        const auto largeur = static_cast<std::int32_t>(P.Batiment_Largeur(Type));
        const auto hauteur = static_cast<std::int32_t>(P.Batiment_Hauteur(Type));
        const double cx = c.X + c.Largeur / 2.0, cy = c.Y + c.Hauteur / 2.0;
        double meilleure = -1.0;
        for (std::int32_t y = 0; y + hauteur <= W.HauteurCarte * W.HauteurCase; y += W.HauteurCase)
            for (std::int32_t x = 0; x + largeur <= W.LargeurCarte * W.LargeurCase; x += W.LargeurCase) {
                const double d = std::hypot(x + largeur / 2.0 - cx, y + hauteur / 2.0 - cy);
                if ((meilleure < 0.0 || d < meilleure) && Emplacement_Libre(M, i, x, y, largeur, hauteur)) {
                    meilleure = d;
                    X = x;
                    Y = y;
                }
            }
        return meilleure >= 0.0;
    }

    void Maison(std::int32_t i) {
        ClsJeuBatiment& b = M.Maisons[static_cast<std::size_t>(i)];
        ClsJeuPerso& p = Perso_(i);
        const std::string& a = Attribut_;
        if (a == "type") {
            if (!DebutFait_) Erreur("les maisons se construisent après « debut ».");
            const std::int16_t epoque = M.Fiefs[static_cast<std::size_t>(Fief_De(p))].Epoque;
            std::int32_t T = 0;
            const double demande = Nombre(A_, "type");
            if (demande == 0) {
                const std::int32_t N = P.NombreTypeBatiments;
                for (int essai = 0; essai < EssaisTirage && T == 0 && N > 1; ++essai) {
                    const auto t = static_cast<std::int32_t>(Entier(static_cast<double>(M.Aleatoire.Nombre_Aleatoire()) * (N - 1))) + 1;
                    if (P.Batiment_NoEpoque(t - 1) - 1 <= epoque) T = t;
                }
                for (std::int32_t t = 1; T == 0 && t < N; ++t)
                    if (P.Batiment_NoEpoque(t - 1) - 1 <= epoque) T = t;
                if (T == 0) Erreur("aucun type de bâtiment n'appartient à l'époque du fief.");
            } else {
                T = Numero(A_, "type", P.NombreTypeBatiments) + 1;
            }
            std::int32_t X = 0, Y = 0;
            bool place = false;
            for (int essai = 0; essai < EssaisEmplacement && !place; ++essai)
                place = M.IA.Chercher_Emplacement_Maison(i, X, Y, static_cast<std::int16_t>(T - 1));
            // The random search widens until most of its draws fall off the
            // map: a castle in a cramped corner could miss the room still
            // left. The free site nearest the castle is then taken, so a
            // map with room never fails to load.
            if (!place) place = Emplacement_Le_Plus_Proche(i, static_cast<std::int16_t>(T - 1), X, Y);
            if (!place) Erreur("la carte n'a pas de place pour la maison " + std::to_string(i + 1) + ".");
            b.Creer(X, Y, static_cast<std::int16_t>(T - 1), p, P);
            b.Definir_Vie(b.MaxVie);
        } else if (a == "position") {
            b.X = Entier32(A_, "position x");
            b.Y = Entier32(B_, "position y");
        } else if (a == "enfeu") {
            b.Definir_Vie(Sature32(M.Aleatoire.Nombre_Aleatoire() * b.MaxVie * 0.45));
        } else if (a == "stock") {
            const double pourcent = Borne(A_, "stock", 0, 100);
            if (b.MaxStock <= 0) return;
            b.Definir_Stock(Entier(M.Aleatoire.Nombre_Aleatoire() * b.MaxStock * pourcent / 100));
            if (!b.Fabrique) return;
            const std::int32_t unites = Sature32(b.Definir_Stock());
            for (std::int32_t u = 0; u < unites; ++u) {
                const auto s = static_cast<std::int32_t>(
                    Entier(static_cast<double>(M.Aleatoire.Nombre_Aleatoire()) * (b.Definir_Nombre_Stock_Objet() + 1)));
                b.Definir_Stock(b.Definir_Stock() - 1);
                b.Stock_Objets(s, b.Stock_Objets(s) + 1);
            }
        }
    }

    void Debut() {
        if (M.Fiefs.empty()) Erreur("« debut » vient avant « nombre_fiefs » : il n'y a pas encore de château.");
        if (M.Persos.empty()) Erreur("« debut » vient avant « nombre_persos ».");
        if (M.Monde.LargeurCarte < 8 || M.Monde.HauteurCarte < 8)
            Erreur("« debut » vient avant « monde_largeur » et « monde_hauteur » : la carte n'a pas de taille.");
        M.Monde.Generer_Monde(ChoixTerrain_ < M.Monde.NombreTypesMondes ? ChoixTerrain_ : 0, M.Aleatoire);
        Placer_Chateaux(M);
        M.IA.Initialiser_IA();
        const ClsJeuBatiment& c0 = M.Chateaux[0];
        for (ClsJeuPerso& p : M.Persos) {
            p.PositionX = Sature32(Arrondi(M.Aleatoire.Nombre_Aleatoire() *
                                           (static_cast<double>(M.Monde.LargeurCase) * M.Monde.LargeurCarte - c0.Largeur)));
            p.PositionY = Sature32(Arrondi(M.Aleatoire.Nombre_Aleatoire() *
                                           (static_cast<double>(M.Monde.HauteurCase) * M.Monde.HauteurCarte - c0.Hauteur)));
            p.Arreter();
        }
        DebutFait_ = true;
    }

    void Fin() {
        M.Monde.Reformer_Terrain();
        Placer_Ressources(M, false);
    }

    void Fin_Du_Fichier() {
        if (!DebutFait_) Erreur("le scénario n'a pas de ligne « debut » : aucun monde n'a été construit.");
        for (std::size_t f = 0; f < M.Fiefs.size(); ++f) {
            std::int32_t soldats = 0, morts = 0;
            for (const ClsJeuPerso& p : M.Persos) {
                if (p.Equipe != static_cast<std::int32_t>(f) || p.Invocation()) continue;
                ++soldats;
                if (!p.Vivant()) ++morts;
            }
            M.Fiefs[f].NombrePersos = soldats;
            M.Fiefs[f].NombreMorts = morts;
        }
        for (ClsJeuPerso& p : M.Persos) {
            if (p.Invocation()) {
                ++Perso_(p.Invocateur).NombreInvocations;
                p.IA = false;
            }
            // The maxima as the game works them out from the base values,
            // the race and the worn items (a "maxvie" line sets the base);
            // then no current value above its maximum. A save of this world
            // then reloads the same.
            p.Actualiser_Bonus();
            p.Vie = std::min(p.Vie, p.Definir_MaxVie());
            p.Energie = std::min(p.Energie, p.Definir_MaxEnergie());
            p.Magie = std::min(p.Magie, p.Definir_MaxMagie());
            p.Moral = std::min(p.Moral, p.Definir_MaxMoral());
            p.Attaque = std::min(p.Attaque, p.Definir_MaxAttaque());
            p.Defense = std::min(p.Defense, p.Definir_MaxDefense());
        }
    }

    ModMain& M;
    const ClsJeuParam& P;
    std::string fichier_;
    std::size_t ligne_ = 0;
    std::string A_, B_ = "0", Attribut_;
    std::optional<double> A_num_, B_num_;
    std::int64_t Premier_ = 0, Dernier_ = 0;
    std::int16_t ChoixTerrain_ = 0;
    std::int32_t Rangees_ = 1;
    bool DebutFait_ = false;
};

}  // namespace

void ModScenario::Lire_Scenario(std::string_view Texte, const std::string& NomFichier) {
    Lecture(Main, NomFichier).Lire(Texte);
}

bool ModScenario::Charger_Scenario(const std::string& NomFichier) {
    try {
        if (!NomFichierSur(NomFichier)) throw ErreurFichier(NomFichier, "Ce nom ne désigne pas un scénario.");
        const fs::path chemin = CheminJeu(Main.Dossier.Chemin("\\Sauvegardes\\Scenarios\\"), NomFichier);
        std::error_code ec;
        if (fs::file_size(chemin, ec) > 4 * 1024 * 1024 || ec)
            throw ErreurFichier(NomFichier, "Le scénario est introuvable ou trop gros.");
        const std::optional<std::string> texte = LireFichier(chemin);
        if (!texte) throw ErreurFichier(NomFichier, "Le scénario est introuvable ou illisible.");
        Lire_Scenario(*texte, NomFichier);
        return true;
    } catch (const ErreurFichier& e) {
        Main.MessagesPartie.push_back(e.what());
        Main.Effacer_Monde();
        return false;
    }
}

void ModScenario::Brancher(ModMain& Main) {
    Main.Charger_Scenario = [](ModMain& m, const std::string& fichier) { return ModScenario(m).Charger_Scenario(fichier); };
}

void ModScenario::Objet_Hasard(std::int32_t Indice, double Chance) {
    if (Indice < 0 || static_cast<std::size_t>(Indice) >= Main.Persos.size()) return;
    Lecture(Main, "").Objet_Hasard(Indice, Chance);
}
