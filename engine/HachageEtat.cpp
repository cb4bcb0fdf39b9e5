// The game-state fingerprint: the world's objects in their arrays' order.
#include "engine/HachageEtat.h"

#include <bit>

#include "engine/ModMain.h"

void HacheurEtat::Ajouter(float v) { Entier(std::bit_cast<std::uint32_t>(v), 4); }
void HacheurEtat::Ajouter(double v) { Entier(std::bit_cast<std::uint64_t>(v), 8); }

void HacheurEtat::Ajouter(const std::string& v) {
    Ajouter(static_cast<std::uint64_t>(v.size()));
    for (char c : v) Octet(static_cast<std::uint8_t>(c));
}

std::uint64_t HacheurEtat::Valeur() const {
    // A final mix spreads every input bit over the whole number.
    std::uint64_t z = h_;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

namespace {

void Hacher(HacheurEtat& h, const ClsJeuBatiment& b, const ClsJeuParam& P) {
    h.Ajouter(b.Proprietaire);
    h.Ajouter(b.X);
    h.Ajouter(b.Y);
    h.Ajouter(b.Largeur);
    h.Ajouter(b.Hauteur);
    h.Ajouter(b.EntreePositionX);
    h.Ajouter(b.EntreePositionY);
    h.Ajouter(b.Acheve);
    h.Ajouter(b.Endommage);
    h.Ajouter(b.Vie);
    h.Ajouter(b.ReserveVie);
    h.Ajouter(b.MaxVie);
    h.Ajouter(b.Argent);
    h.Ajouter(b.MaxStock);
    h.Ajouter(b.Magasin);
    h.Ajouter(b.Fabrique);
    h.Ajouter(b.Service);
    h.Ajouter(b.TypeBatiment);
    h.Ajouter(b.Definir_Stock());
    const std::int32_t dernier = b.Definir_Nombre_Stock_Objet();
    h.Ajouter(dernier);
    for (std::int32_t j = 0; j <= dernier; ++j) h.Ajouter(b.Stock_Objets(j));
    h.Ajouter(b.Definir_NumeroAnimation(P));
}

void Hacher(HacheurEtat& h, const ClsJeuEffet& e) {
    h.Ajouter(e.TypeEffet);
    h.Ajouter(e.X);
    h.Ajouter(e.Y);
    h.Ajouter(e.DureeEtape);
    h.Ajouter(e.NombreEtapes);
    h.Ajouter(e.Etape);
    h.Ajouter(e.Actif);
}

template <class T, class F>
void Liste(HacheurEtat& h, const std::vector<T>& v, F f) {
    h.Ajouter(static_cast<std::uint64_t>(v.size()));
    for (const T& e : v) f(e);
}

}  // namespace

namespace {

// The sections, each fed in the same order as the whole: the whole is
// the sections one after the other on a single hasher.
void H_Aleatoire(HacheurEtat& h, const ModMain& Main) {
    // The game's random source: the table, its position, and where the
    // generator stands (read from a copy, which the real one never sees).
    for (float v : Main.Aleatoire.TableAleatoire) h.Ajouter(v);
    h.Ajouter(Main.Aleatoire.PositionAleatoire);
    h.Ajouter(Main.Aleatoire.TableActive);
    ModRandom copie = Main.Aleatoire;
    for (int i = 0; i < 4; ++i) h.Ajouter(copie.Generateur().Suivant());
}

// The map, the fiefs and their castles.
void H_Fiefs(HacheurEtat& h, const ModMain& Main) {
    const ClsJeuParam& P = Main.Parametres;
    // The map.
    const ClsJeuMonde& M = Main.Monde;
    h.Ajouter(M.LargeurCase);
    h.Ajouter(M.HauteurCase);
    h.Ajouter(M.TypeMonde);
    h.Ajouter(M.LargeurCarte);
    h.Ajouter(M.HauteurCarte);
    h.Ajouter(static_cast<std::uint64_t>(M.TailleGrille()));
    for (std::size_t i = 0; i < M.TailleGrille(); ++i) {
        h.Ajouter(M.Param_TerrainCategorie(static_cast<std::int32_t>(i)));
        h.Ajouter(M.Param_TerrainApparence(static_cast<std::int32_t>(i)));
    }

    Liste(h, Main.Fiefs, [&](const ClsJeuFief& f) {
        h.Ajouter(f.Camp);
        h.Ajouter(f.Peuple);
        h.Ajouter(f.Epoque);
        h.Ajouter(f.ChangementEpoque);
        h.Ajouter(f.NombrePersos);
        h.Ajouter(f.NombreMorts);
        h.Ajouter(f.FondsRestauration);
        for (std::int32_t r = 0; r < P.NombreRessources; ++r) h.Ajouter(f.Definir_Ressources(r));
    });
    Liste(h, Main.Chateaux, [&](const ClsJeuBatiment& b) { Hacher(h, b, P); });
}

void H_Maisons(HacheurEtat& h, const ModMain& Main) {
    const ClsJeuParam& P = Main.Parametres;
    Liste(h, Main.Maisons, [&](const ClsJeuBatiment& b) { Hacher(h, b, P); });
}

void H_Ressources(HacheurEtat& h, const ModMain& Main) {
    Liste(h, Main.Ressources, [&](const ClsJeuRessources& r) {
        h.Ajouter(r.X);
        h.Ajouter(r.Y);
        h.Ajouter(r.Nom);
        h.Ajouter(r.TypeTerrainRessource);
        h.Ajouter(r.TypeRessource);
        h.Ajouter(r.Quantite);
        h.Ajouter(r.QuantiteInitiale);
    });
}

void H_Effets(HacheurEtat& h, const ModMain& Main) {
    Liste(h, Main.EffetsPersos, [&](const ClsJeuEffet& e) { Hacher(h, e); });
    Liste(h, Main.EffetsMaisons, [&](const ClsJeuEffet& e) { Hacher(h, e); });

}

// Treasures and scenery.
void H_Tresors(HacheurEtat& h, const ModMain& Main) {
    const ClsJeuParam& P = Main.Parametres;
    h.Ajouter(Main.Tresors.Count());
    for (const ClsJeuTresors& t : Main.Tresors) {
        h.Ajouter(t.X);
        h.Ajouter(t.Y);
        h.Ajouter(t.IndiceImage);
        h.Ajouter(t.Definir_Fortune());
        h.Ajouter(t.Definir_Argent());
        for (std::int32_t r = 0; r < P.NombreRessources; ++r) h.Ajouter(t.Definir_Ressources(r));
        h.Ajouter(t.Nombre_Objets());
        for (std::int32_t k = 1; k <= t.Nombre_Objets(); ++k) h.Ajouter(t.Definir_Objet(k));
    }
    h.Ajouter(Main.Decors.Count());
    for (const ClsJeuDecors& d : Main.Decors) {
        h.Ajouter(d.Categorie);
        h.Ajouter(d.X);
        h.Ajouter(d.Y);
        h.Ajouter(d.Largeur);
        h.Ajouter(d.Hauteur);
        h.Ajouter(d.EtapeAnimation);
        h.Ajouter(d.NombreEtapeAnimation);
    }

}

// The characters, the AI's tables and the combat coefficients.
void H_Persos(HacheurEtat& h, const ModMain& Main) {
    Liste(h, Main.Persos, [&](const ClsJeuPerso& p) { p.Hacher(h); });

    // The AI's tables and the combat coefficients.
    const ModIA& IA = Main.IA;
    for (const auto* t : {&IA.DistanceRecherche, &IA.RayonTresor, &IA.RayonPerso, &IA.RayonMaison, &IA.RayonChateau,
                          &IA.CurseurMaison, &IA.CurseurPerso, &IA.CurseurMaisonEnnemie, &IA.CurseurChateau})
        h.Ajouter(*t);
    for (const auto* t : {&IA.TypeMaisonVoulue, &IA.RessourceVoulue, &IA.ObjetVoulu, &IA.QuantiteVoulue, &IA.QuantiteObjetVoulue})
        h.Ajouter(*t);
    h.Ajouter(IA.CourseFaite);
    h.Ajouter(IA.DernierPerso);
    h.Ajouter(IA.PersosParTour);
    h.Ajouter(IA.NombreParRecherche);
    h.Ajouter(IA.CurseurIA);
    h.Ajouter(IA.IndiceTrouve);
    h.Ajouter(IA.RayonEmplacement);
    h.Ajouter(IA.EmplacementAleatoire);
    h.Ajouter(IA.NiveauMaxBatiment);

    const ModCombat& C = Main.Combat;
    for (float v : {C.CoefDegatPerso, C.CoefDegatBatiment, C.ChanceCoupCritique, C.CoefDegatCoupCritique,
                    C.ChanceEchecCritique, C.PerteEchecCritique, C.MaxDegatBatiment, C.CoefPillageArgentPersoMort,
                    C.CoefPillageRessourcesPersoMort, C.CoefPillageObjetsPersoMort, C.CoefDestructionObjets,
                    C.CoefPillageArgentMaison, C.CoefPillageRessourcesMaison, C.CoefPillageObjetsMaison})
        h.Ajouter(v);
    h.Ajouter(C.DureeImmobilisation);
}

}  // namespace

std::uint64_t Hacher_Etat(const ModMain& Main) {
    HacheurEtat h;
    H_Aleatoire(h, Main);
    H_Fiefs(h, Main);
    H_Maisons(h, Main);
    H_Ressources(h, Main);
    H_Effets(h, Main);
    H_Tresors(h, Main);
    H_Persos(h, Main);
    h.Ajouter(Main.NoPersoJoueur);
    return h.Valeur();
}

std::array<std::uint64_t, 5> Hacher_Parties(const ModMain& Main) {
    HacheurEtat persos, maisons, fiefs, tresors, aleatoire;
    H_Persos(persos, Main);
    H_Maisons(maisons, Main);
    H_Effets(maisons, Main);
    H_Fiefs(fiefs, Main);
    H_Ressources(fiefs, Main);
    H_Tresors(tresors, Main);
    H_Aleatoire(aleatoire, Main);
    return {persos.Valeur(), maisons.Valeur(), fiefs.Valeur(), tresors.Valeur(), aleatoire.Valeur()};
}
