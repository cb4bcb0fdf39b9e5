// Character file: any bytes as a character's file, against the default
// rules. What loads saves, and the saved file loads and saves the same.
#include <optional>
#include <string>

#include "characters/ClsJeuPerso.h"
#include "platform/DossierJeu.h"
#include "platform/Texte.h"
#include "rules/ClsJeuParam.h"
#include "saves/ModSavPerso.h"
#include "tests/fuzz/OutilsFuzz.h"

namespace {
struct Regles {
    DossierJeu dossier;
    ClsJeuParam p;
    Regles() : dossier(fuzz::Dossier("perso")), p(dossier) {
        for (std::int16_t etape = 0; etape <= 7; ++etape) p.Init(etape);
    }
};

// Loads Nom into a fresh character; nothing when refused.
std::optional<ClsJeuPerso> Charger(Regles& r, ModSavPerso& sav, const std::string& nom) {
    ClsJeuPerso perso(nullptr);
    perso.Init(0, r.p);
    try {
        sav.Charger_Perso(nom, perso);
    } catch (const ErreurFichier& e) {
        fuzz::VerifierRefus(e);
        return std::nullopt;
    }
    return perso;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    static Regles r;
    static ModSavPerso sav(r.dossier, r.p);
    const auto dossierPersos = fuzz::Dossier("perso") / "Sauvegardes" / "Personnages";
    fuzz::Ecrire(dossierPersos / "Essai.per", fuzz::Texte(Donnees, Taille));
    auto perso = Charger(r, sav, "Essai");
    if (!perso) return 0;
    perso->Nom = "Copie";
    if (!sav.Sauvegarder_Perso(*perso)) std::abort();
    const auto premier = LireFichier(dossierPersos / "Copie.per");
    auto relu = Charger(r, sav, "Copie");
    if (!relu || !premier) std::abort();  // the game's own file refused
    if (!sav.Sauvegarder_Perso(*relu)) std::abort();
    if (LireFichier(dossierPersos / "Copie.per") != premier) std::abort();
    return 0;
}
