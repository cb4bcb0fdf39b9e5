// The game-state fingerprint: the world's objects in their arrays' order.
#include "engine/HachageEtat.h"

#include <algorithm>
#include <bit>
#include <charconv>

#include "characters/ClsJeuPerso_Champs.h"
#include "engine/ModMain.h"
#include "world/ChampsMonde.h"

namespace {

template <class T>
std::string TexteReel(T v) {
    char t[64];
    const auto r = std::to_chars(t, t + sizeof t, v);
    return std::string(t, r.ptr);
}

}  // namespace

void HacheurEtat::Ajouter(float v) {
    if (releve_) Noter(TexteReel(v));
    Entier(std::bit_cast<std::uint32_t>(v), 4);
}
void HacheurEtat::Ajouter(double v) {
    if (releve_) Noter(TexteReel(v));
    Entier(std::bit_cast<std::uint64_t>(v), 8);
}

void HacheurEtat::Ajouter(const std::string& v) {
    if (releve_) Noter("« " + v + " »");
    Entier(static_cast<std::uint64_t>(v.size()), 8);
    for (char c : v) Octet(static_cast<std::uint8_t>(c));
}

void HacheurEtat::Noter(const std::string& valeur) { releve_->push_back(place_ + "." + nom_ + "=" + valeur); }

std::uint64_t HacheurEtat::Valeur() const {
    // A final mix spreads every input bit over the whole number.
    std::uint64_t z = h_;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

namespace {

// A list of records: its length, then each record at its place.
template <class T, class F>
void Liste(HacheurEtat& h, const char* nom, const std::vector<T>& v, F f) {
    h.Situer([&] { return std::string(nom); });
    h.Nommer("Nombre");
    h.Ajouter(static_cast<std::uint64_t>(v.size()));
    for (std::size_t i = 0; i < v.size(); ++i) {
        h.Situer([&] { return std::string(nom) + "[" + std::to_string(i) + "]"; });
        f(v[i]);
    }
}

ComptesMonde Comptes(const ModMain& Main) {
    ComptesMonde n(Main.Parametres);
    n.NF = static_cast<std::int32_t>(Main.Fiefs.size());
    n.NP = static_cast<std::int32_t>(Main.Persos.size());
    return n;
}

// What a building holds beyond its saved record: a castle's record has no
// cash, stock or trade, and a house's made-item slots beyond those of its
// type. The load sets them as a new building has them. The animation frame
// is left out: it is only drawn.
void Hacher_Batiment_Hors_Fichier(HacheurEtat& h, const ClsJeuBatiment& b) {
    ArchiveHachage a(h);
    a.F64(b.Argent, "Argent");
    a.F64(b.MaxStock, "MaxStock");
    a.B(b.Magasin, "Magasin");
    a.B(b.Fabrique, "Fabrique");
    a.I16(b.Service, "Service");
    a.I16(b.TypeBatiment, "TypeBatiment");
    a.F64(b.Definir_Stock(), "Stock");
    const std::int32_t dernier = b.Definir_Nombre_Stock_Objet();
    a.I32(dernier, "Nombre_Stock_Objet");
    for (std::int32_t j = 0; j <= dernier; ++j) a.F64(b.Stock_Objets(j), "Stock_Objets");
}

// The sections, each fed in the same order as the whole: the whole is
// the sections one after the other on a single hasher.
void H_Aleatoire(HacheurEtat& h, const ModMain& Main) {
    // The game's random source: the table, its position, and where the
    // generator stands (read from a copy, which the real one never sees).
    h.Situer([] { return std::string("Aleatoire"); });
    h.Nommer("Table");
    for (float v : Main.Aleatoire.TableAleatoire) h.Ajouter(v);
    h.Nommer("Position");
    h.Ajouter(Main.Aleatoire.PositionAleatoire);
    h.Nommer("TableActive");
    h.Ajouter(Main.Aleatoire.TableActive);
    ModRandom copie = Main.Aleatoire;
    h.Nommer("Generateur");
    for (int i = 0; i < 4; ++i) h.Ajouter(copie.Generateur().Suivant());
}

// The map, the fiefs and their castles.
void H_Fiefs(HacheurEtat& h, const ModMain& Main) {
    const ClsJeuParam& P = Main.Parametres;
    const ComptesMonde n = Comptes(Main);
    ArchiveHachage a(h);
    // The map: its size and cells as the save holds them, its kind from
    // the save's final section; the cell size comes with the settings.
    const ClsJeuMonde& M = Main.Monde;
    h.Situer([] { return std::string("Monde"); });
    a.I16(M.LargeurCase, "LargeurCase");
    a.I16(M.HauteurCase, "HauteurCase");
    Champs_Monde_Suite(a, const_cast<std::int16_t&>(M.TypeMonde));
    a.I32(M.LargeurCarte, "LargeurCarte");
    a.I32(M.HauteurCarte, "HauteurCarte");
    h.Nommer("TailleGrille");
    h.Ajouter(static_cast<std::uint64_t>(M.TailleGrille()));
    // The cells the save holds; the grid's last cell, one past them, is a
    // guard that no rule reads (placement and pace look only inside).
    const std::size_t cellules =
        std::min(M.TailleGrille(), static_cast<std::size_t>(std::max(0, M.LargeurCarte) + 1) *
                                       static_cast<std::size_t>(std::max(0, M.HauteurCarte) + 1));
    for (std::size_t i = 0; i < cellules; ++i) {
        a.I16(M.Param_TerrainApparence(static_cast<std::int32_t>(i)), "TerrainApparence");
        a.I16(M.Param_TerrainCategorie(static_cast<std::int32_t>(i)), "TerrainCategorie");
    }

    Liste(h, "Fiefs", Main.Fiefs, [&](const ClsJeuFief& f) { Champs_Fief(a, const_cast<ClsJeuFief&>(f), P, n); });
    Liste(h, "Chateaux", Main.Chateaux, [&](const ClsJeuBatiment& b) {
        Champs_Chateau(a, const_cast<ClsJeuBatiment&>(b), n);
        Hacher_Batiment_Hors_Fichier(h, b);
    });
}

void H_Maisons(HacheurEtat& h, const ModMain& Main) {
    const ClsJeuParam& P = Main.Parametres;
    const ComptesMonde n = Comptes(Main);
    ArchiveHachage a(h);
    std::size_t i = 0;
    Liste(h, "Maisons", Main.Maisons, [&](const ClsJeuBatiment& b) {
        Champs_Maison(a, const_cast<ClsJeuBatiment&>(b), i++, P, n);
        Hacher_Batiment_Hors_Fichier(h, b);
    });
}

void H_Ressources(HacheurEtat& h, const ModMain& Main) {
    const ComptesMonde n = Comptes(Main);
    ArchiveHachage a(h);
    Liste(h, "Ressources", Main.Ressources,
          [&](const ClsJeuRessources& r) { Champs_Ressource(a, const_cast<ClsJeuRessources&>(r), n); });
}

// Treasures and scenery.
void H_Tresors(HacheurEtat& h, const ModMain& Main) {
    const ClsJeuParam& P = Main.Parametres;
    const ComptesMonde n = Comptes(Main);
    ArchiveHachage a(h);
    h.Situer([] { return std::string("Tresors"); });
    a.I32(Main.Tresors.Count(), "Nombre");
    std::int32_t k = 0;
    for (const ClsJeuTresors& t : Main.Tresors) {
        ++k;
        h.Situer([&] { return "Tresors(" + std::to_string(k) + ")"; });
        Champs_Tresor(a, const_cast<ClsJeuTresors&>(t), P, n);
        // The kind follows from the fortune's history, which the load
        // replays through the same setters.
        a.I16(t.IndiceImage, "IndiceImage");
    }
    h.Situer([] { return std::string("Decors"); });
    a.I32(Main.Decors.Count(), "Nombre");
    k = 0;
    for (const ClsJeuDecors& d : Main.Decors) {
        ++k;
        h.Situer([&] { return "Decors(" + std::to_string(k) + ")"; });
        Champs_Decor(a, const_cast<ClsJeuDecors&>(d), P);
    }
}

// The characters, the AI's tables and the combat coefficients.
void H_Persos(HacheurEtat& h, const ModMain& Main) {
    const ClsJeuParam& P = Main.Parametres;
    const ComptesMonde n = Comptes(Main);
    Liste(h, "Persos", Main.Persos, [&](const ClsJeuPerso& p) { p.Hacher(h, P, n); });

    // The AI's tables and the combat coefficients: they live as long as
    // the program, not in the world, and are not saved.
    h.Situer([] { return std::string("IA"); });
    h.Nommer("Tables");
    const ModIA& IA = Main.IA;
    for (const auto* t : {&IA.DistanceRecherche, &IA.RayonTresor, &IA.RayonPerso, &IA.RayonMaison, &IA.RayonChateau,
                          &IA.CurseurMaison, &IA.CurseurPerso, &IA.CurseurMaisonEnnemie, &IA.CurseurChateau})
        h.Ajouter(*t);
    for (const auto* t : {&IA.TypeMaisonVoulue, &IA.RessourceVoulue, &IA.ObjetVoulu, &IA.QuantiteVoulue, &IA.QuantiteObjetVoulue})
        h.Ajouter(*t);
    h.Nommer("Curseurs");
    h.Ajouter(IA.CourseFaite);
    h.Ajouter(IA.DernierPerso);
    h.Ajouter(IA.PersosParTour);
    h.Ajouter(IA.NombreParRecherche);
    h.Ajouter(IA.CurseurIA);
    h.Ajouter(IA.IndiceTrouve);
    h.Ajouter(IA.RayonEmplacement);
    h.Ajouter(IA.EmplacementAleatoire);
    h.Ajouter(IA.NiveauMaxBatiment);

    h.Situer([] { return std::string("Combat"); });
    h.Nommer("Coefficients");
    const ModCombat& C = Main.Combat;
    for (float v : {C.CoefDegatPerso, C.CoefDegatBatiment, C.ChanceCoupCritique, C.CoefDegatCoupCritique,
                    C.ChanceEchecCritique, C.PerteEchecCritique, C.MaxDegatBatiment, C.CoefPillageArgentPersoMort,
                    C.CoefPillageRessourcesPersoMort, C.CoefPillageObjetsPersoMort, C.CoefDestructionObjets,
                    C.CoefPillageArgentMaison, C.CoefPillageRessourcesMaison, C.CoefPillageObjetsMaison})
        h.Ajouter(v);
    h.Ajouter(C.DureeImmobilisation);
}

void Hacher_Tout(HacheurEtat& h, const ModMain& Main) {
    H_Aleatoire(h, Main);
    H_Fiefs(h, Main);
    H_Maisons(h, Main);
    H_Ressources(h, Main);
    H_Tresors(h, Main);
    H_Persos(h, Main);
    h.Situer([] { return std::string("Partie"); });
    h.Nommer("NoPersoJoueur");
    h.Ajouter(Main.NoPersoJoueur);
}

}  // namespace

std::uint64_t Hacher_Etat(const ModMain& Main) {
    HacheurEtat h;
    Hacher_Tout(h, Main);
    return h.Valeur();
}

std::vector<std::string> Relever_Etat(const ModMain& Main) {
    std::vector<std::string> releve;
    HacheurEtat h;
    h.Relever(&releve);
    Hacher_Tout(h, Main);
    return releve;
}

std::array<std::uint64_t, 5> Hacher_Parties(const ModMain& Main) {
    HacheurEtat persos, maisons, fiefs, tresors, aleatoire;
    H_Persos(persos, Main);
    H_Maisons(maisons, Main);
    H_Fiefs(fiefs, Main);
    H_Ressources(fiefs, Main);
    H_Tresors(tresors, Main);
    H_Aleatoire(aleatoire, Main);
    return {persos.Valeur(), maisons.Valeur(), fiefs.Valeur(), tresors.Valeur(), aleatoire.Valeur()};
}
