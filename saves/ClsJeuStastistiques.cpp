#include "saves/ClsJeuStastistiques.h"

#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"
#include "saves/ModSavPerso.h"

namespace {

// What the items give is no gain of the game: both sides of a comparison
// are measured bare.
void Depouiller(ClsJeuPerso& p) {
    p.Objet_Inventaire_Vider_Tout();
    p.Objet_Equipes_Vider_Tout();
    p.Actualiser_Bonus();
}

}  // namespace

void ClsJeuStastistiques::Vider() {
    IndicesPersos.clear();
    Instantanes.clear();
    Erreurs.clear();
    NombrePersosSuivis = 0;
}

void ClsJeuStastistiques::Init(const ClsJeuParam& Parametres) {
    Vider();
    if (!Main) return;
    const std::vector<ClsJeuPerso>& Persos = Main->Persos;

    for (std::size_t k = 0; k < Persos.size(); ++k)
        if (Persos[k].PersoFichier > 0) IndicesPersos.push_back(static_cast<std::int32_t>(k));
    // The page counts its rows on 16 bits; no game has that many heroes.
    if (IndicesPersos.size() > 32767) IndicesPersos.resize(32767);
    NombrePersosSuivis = static_cast<std::int16_t>(IndicesPersos.size());

    Instantanes.reserve(IndicesPersos.size());
    for (std::size_t p = 0; p < IndicesPersos.size(); ++p) {
        const ClsJeuPerso& reel = Persos[static_cast<std::size_t>(IndicesPersos[p])];
        // The snapshot lives outside the world: nothing it gets or drops
        // reaches the map.
        ClsJeuPerso instantane(nullptr);
        instantane.Init(static_cast<std::int32_t>(p), Parametres);
        try {
            Main->SavPerso.Charger_Perso(reel.Nom, instantane);
        } catch (const ErreurPerso& e) {
            // The file was read moments ago by the game setup; if it went
            // bad since, the hero as it starts the game is the best
            // snapshot there is.
            Erreurs.emplace_back(e.what());
            instantane = reel;
            instantane.Main = nullptr;
        }
        Depouiller(instantane);
        instantane.ObjetsEnAttenteSol.clear();
        Instantanes.push_back(std::move(instantane));
    }
}

void ClsJeuStastistiques::Fin_Partie() {
    if (!Main) return;
    for (std::int32_t k : IndicesPersos)
        if (k >= 0 && static_cast<std::size_t>(k) < Main->Persos.size())
            Depouiller(Main->Persos[static_cast<std::size_t>(k)]);
}

const ClsJeuPerso* ClsJeuStastistiques::Reel(std::int16_t i) const {
    if (!Main || i < 0 || i >= NombrePersosSuivis || static_cast<std::size_t>(i) >= IndicesPersos.size()) return nullptr;
    const std::int32_t k = IndicesPersos[static_cast<std::size_t>(i)];
    if (k < 0 || static_cast<std::size_t>(k) >= Main->Persos.size()) return nullptr;
    return &Main->Persos[static_cast<std::size_t>(k)];
}

const ClsJeuPerso* ClsJeuStastistiques::Instantane(std::int16_t i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= Instantanes.size()) return nullptr;
    return &Instantanes[static_cast<std::size_t>(i)];
}

std::string ClsJeuStastistiques::Nom(std::int16_t i) const {
    const ClsJeuPerso* p = Reel(i);
    return p ? p->Nom : std::string();
}

std::int32_t ClsJeuStastistiques::Frags(std::int16_t i, std::int16_t Categorie) const {
    const ClsJeuPerso* p = Reel(i);
    if (!p) return 0;
    switch (Categorie) {
        case 0: return p->FragsPersos;
        case 1: return p->FragsMaisons;
        case 2: return p->FragsChateaux;
        default: return 0;
    }
}

std::int32_t ClsJeuStastistiques::Morts(std::int16_t i) const {
    const ClsJeuPerso* p = Reel(i);
    return p ? p->Morts : 0;
}

double ClsJeuStastistiques::Gain_Niveau(std::int16_t i) const {
    const ClsJeuPerso* p = Reel(i);
    const ClsJeuPerso* s = Instantane(i);
    return p && s ? p->Niveau() - s->Niveau() : 0.0;
}

namespace {

// Maximum of the character minus the snapshot's, to the nearest whole
// number, halves to even (a gain of 10.5 shows 10, of 11.5 shows 12).
template <class Lire>
std::int16_t Ecart(const ClsJeuPerso* p, const ClsJeuPerso* s, Lire lire) {
    if (!p || !s) return 0;
    return Sature16(lire(*p) - lire(*s));
}

}  // namespace

std::int16_t ClsJeuStastistiques::Gain_Vie(std::int16_t i) const {
    return Ecart(Reel(i), Instantane(i), [](const ClsJeuPerso& p) { return p.Definir_MaxVie(); });
}
std::int16_t ClsJeuStastistiques::Gain_Energie(std::int16_t i) const {
    return Ecart(Reel(i), Instantane(i), [](const ClsJeuPerso& p) { return p.Definir_MaxEnergie(); });
}
std::int16_t ClsJeuStastistiques::Gain_Magie(std::int16_t i) const {
    return Ecart(Reel(i), Instantane(i), [](const ClsJeuPerso& p) { return p.Definir_MaxMagie(); });
}
std::int16_t ClsJeuStastistiques::Gain_Moral(std::int16_t i) const {
    return Ecart(Reel(i), Instantane(i), [](const ClsJeuPerso& p) { return p.Definir_MaxMoral(); });
}
std::int16_t ClsJeuStastistiques::Gain_Attaque(std::int16_t i) const {
    return Ecart(Reel(i), Instantane(i), [](const ClsJeuPerso& p) { return p.Definir_MaxAttaque(); });
}
std::int16_t ClsJeuStastistiques::Gain_Defense(std::int16_t i) const {
    return Ecart(Reel(i), Instantane(i), [](const ClsJeuPerso& p) { return p.Definir_MaxDefense(); });
}

// Effective levels (with what items give, which both sides have none of
// after Fin_Partie) and bestiary counts; a difference too large for the
// page's 16 bits stops at its bounds instead of wrapping round.
std::int16_t ClsJeuStastistiques::Gain_CompetenceSpeciales(std::int16_t i, std::int16_t j) const {
    return Ecart(Reel(i), Instantane(i),
                 [j](const ClsJeuPerso& p) { return static_cast<double>(p.Definir_Niveau_CompetenceSpeciales(j)); });
}
std::int16_t ClsJeuStastistiques::Gain_CompetenceRessources(std::int16_t i, std::int16_t j) const {
    return Ecart(Reel(i), Instantane(i),
                 [j](const ClsJeuPerso& p) { return static_cast<double>(p.Definir_Niveau_CompetenceRessources(j)); });
}
std::int16_t ClsJeuStastistiques::Gain_CompetenceServices(std::int16_t i, std::int16_t j) const {
    return Ecart(Reel(i), Instantane(i),
                 [j](const ClsJeuPerso& p) { return static_cast<double>(p.Definir_Niveau_CompetenceServices(j)); });
}
std::int16_t ClsJeuStastistiques::Gain_CompetenceObjets(std::int16_t i, std::int16_t j) const {
    return Ecart(Reel(i), Instantane(i),
                 [j](const ClsJeuPerso& p) { return static_cast<double>(p.Definir_Niveau_CompetenceObjets(j)); });
}
std::int16_t ClsJeuStastistiques::Gain_Bestiaire(std::int16_t i, std::int16_t j) const {
    return Ecart(Reel(i), Instantane(i), [j](const ClsJeuPerso& p) { return static_cast<double>(p.Definir_Bestiaire(j)); });
}
