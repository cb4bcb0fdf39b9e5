// The fields of the world's records (fiefs, castles, houses, deposits,
// treasures, scenery), each described once against an "archive" that the
// world save writes or reads and that the state hash feeds on. A field
// saved is therefore hashed, and a field hashed from this list is saved:
// the two cannot drift apart. What the hash sees beyond the file (values
// recomputed at load) is listed beside the hash, not here.
//
// An archive A offers, each with the field's name for messages:
//   I32, I16, F64, F32, B, S (a field by reference, with bounds for the
//   reader), their P... twins through a getter and a setter, Compte (a
//   count the reader checks against what the file still holds),
//   PF64Prefixe (a decimal the reader takes by its leading number),
//   Reste (the reader checks that so many lines remain, else names the
//   record it stopped in), Local (fields that belong to one machine: saved,
//   but left out of the hash) and the constants Lecture and Ecriture (true
//   only for the reader, only for the writer).
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuDecors.h"
#include "world/ClsJeuFief.h"
#include "world/ClsJeuRessources.h"
#include "world/ClsJeuTresors.h"

namespace champs {
constexpr long long Min32 = std::numeric_limits<std::int32_t>::min();
constexpr long long Max32 = std::numeric_limits<std::int32_t>::max();
constexpr long long Min16 = std::numeric_limits<std::int16_t>::min();
constexpr long long Max16 = std::numeric_limits<std::int16_t>::max();
}  // namespace champs

// Counts of the rules and of the world that size and bound the records.
struct ComptesMonde {
    std::int32_t NR = 0, NCS = 0, NSV = 0, NCO = 0, NRA = 0;
    std::int32_t NF = 0, NP = 0;
    explicit ComptesMonde(const ClsJeuParam& P)
        : NR(P.NombreRessources), NCS(P.NombreCompetencesSpeciales), NSV(P.NombreServices),
          NCO(P.NombreCompetencesObjets), NRA(P.NombreRaces) {}
};

template <class A>
void Champs_Fief(A& a, ClsJeuFief& f, const ClsJeuParam& P, const ComptesMonde& n) {
    a.I32(f.Camp, "Camp");
    a.I16(f.Peuple, "Peuple", 0, P.NombrePeuples - 1);
    a.I16(f.Epoque, "Epoque", 0, P.NombreEpoques - 1);
    a.B(f.ChangementEpoque, "ChangementEpoque");
    a.I32(f.NombrePersos, "NombreSoldats");
    a.I32(f.NombreMorts, "NombreSoldatsRef");
    a.F64(f.FondsRestauration, "FondsRestauration");
    for (std::int32_t r = 0; r < n.NR; ++r)
        a.PF64([&] { return f.Definir_Ressources(r); }, [&](double v) { f.Definir_Ressources(r, v); }, "Ressources");
}

template <class A>
void Champs_Batiment_Base(A& a, ClsJeuBatiment& b) {
    a.I32(b.X, "PositionX");
    a.I32(b.Y, "PositionY");
    a.I16(b.Largeur, "Largeur");
    a.I16(b.Hauteur, "Hauteur");
    a.I16(b.EntreePositionX, "EntreePositionX");
    a.I16(b.EntreePositionY, "EntreePositionY");
    a.B(b.Acheve, "Construit");
    a.B(b.Endommage, "Degrade");
    a.F64(b.Vie, "Vie");
    a.F64(b.ReserveVie, "ReserveVie");
    a.I32(b.MaxVie, "MaxVie");
}

template <class A>
void Champs_Chateau(A& a, ClsJeuBatiment& b, const ComptesMonde& n) {
    a.I32(b.Proprietaire, "Proprietaire", 0, n.NF - 1);
    Champs_Batiment_Base(a, b);
}

// A house has its type as its second line, where a castle has none; then
// its cash, its stock and what it sells, makes or serves.
template <class A>
void Champs_Maison(A& a, ClsJeuBatiment& b, std::size_t i, const ClsJeuParam& P, const ComptesMonde& n) {
    a.I32(b.Proprietaire, "Proprietaire", 0, n.NP - 1);
    a.I16(b.TypeBatiment, "TypeBatiment", 0, P.NombreTypeBatiments - 1);
    Champs_Batiment_Base(a, b);
    a.F64(b.Argent, "Argent");
    a.F64(b.MaxStock, "CapaciteStock");
    const std::int32_t N = std::max(0, P.Batiment_NombreObjetsFabriques(b.TypeBatiment));
    a.Reste(N + 4, [&] { return "la maison " + std::to_string(i + 1); });
    // The made-item slots as a new house of that type has them.
    if constexpr (A::Lecture) b.Definir_Nombre_Stock_Objet(std::max(0, N - 1));
    for (std::int32_t k = 0; k < N; ++k)
        a.PF64([&] { return b.Stock_Objets(k); }, [&](double v) { b.Stock_Objets(k, v); }, "Stock_Objets");
    a.PF64Prefixe([&] { return b.Definir_Stock(); }, [&](double v) { b.Definir_Stock(v); }, "Stock");
    a.B(b.Magasin, "Magasin");
    a.B(b.Fabrique, "Fabrique");
    a.I16(b.Service, "Service", 0, P.NombreServices);
}

template <class A>
void Champs_Ressource(A& a, ClsJeuRessources& r, const ComptesMonde& n) {
    a.I32(r.X, "X");
    a.I32(r.Y, "Y");
    a.S(r.Nom, "Nom");
    a.I32(r.TypeTerrainRessource, "TypeGisement");
    a.I32(r.TypeRessource, "TypeRessource", -1, n.NR - 1);
    a.F64(r.Quantite, "QuantiteRestante");
    a.F64(r.QuantiteInitiale, "Quantite");
}

template <class A>
void Champs_Decor(A& a, ClsJeuDecors& d, const ClsJeuParam& P) {
    a.I16(d.Categorie, "Categorie", 0, P.NombreDecors - 1);
    a.I32(d.X, "X");
    a.I32(d.Y, "Y");
    a.I16(d.Largeur, "Largeur");
    a.I16(d.Hauteur, "Hauteur");
    a.I16(d.EtapeAnimation, "EtapeAnimation");
    a.I16(d.NombreEtapeAnimation, "NombreEtapeAnimation");
}

// A treasure: its place, its fortune, its money, resources and items. The
// reader's setters each add their share to the fortune: the saved fortune
// is put back last, so that it is counted once.
template <class A>
void Champs_Tresor(A& a, ClsJeuTresors& t, const ClsJeuParam& P, const ComptesMonde& n) {
    a.I32(t.X, "X");
    a.I32(t.Y, "Y");
    double fortune = t.Definir_Fortune();
    a.F64(fortune, "Fortune");
    a.PF64([&] { return t.Definir_Argent(); }, [&](double v) { t.Definir_Argent(v); }, "Argent");
    for (std::int32_t r = 0; r < n.NR; ++r)
        a.PF64([&] { return t.Definir_Ressources(r); }, [&](double v) { t.Definir_Ressources(r, v); }, "Ressources");
    long long k = t.Nombre_Objets();
    a.Compte(k, "le nombre d'objets du trésor", champs::Max16);
    for (long long j = 1; j <= k; ++j) {
        std::int16_t type = A::Lecture ? 0 : t.Definir_Objet(static_cast<std::int32_t>(j));
        a.I16(type, "Objet du trésor", 0, P.NombreTypesObjets - 1);
        if constexpr (A::Lecture) t.Ajouter_Objet(type, P);
    }
    if constexpr (A::Lecture) t.Definir_Fortune(fortune);
}

// What the first layout of the save lacks of the map: the kind of world
// it was made as.
template <class A>
void Champs_Monde_Suite(A& a, std::int16_t& TypeMonde) {
    a.I16(TypeMonde, "TypeMonde");
}
