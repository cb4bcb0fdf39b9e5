#include "saves/ModSavPerso.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <stdexcept>
#include <system_error>

#include "characters/ClsJeuPerso.h"
#include "platform/CheminConfine.h"
#include "platform/Chemins.h"
#include "platform/DossierJeu.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "rules/ClsFicINI.h"
#include "rules/ClsJeuParam.h"
#include "saves/OptionsInterface.h"

namespace fs = std::filesystem;

namespace {

const char* const FichierReglages = "Ini_SavPerso";
const char* const FichierReglagesComplet = "Ini_SavPerso.ini";
const char* const SectionReglages = "SavPerso";

// Every file written by Sauvegarder_Perso holds these keys: one missing
// means the file was cut short or not written by the game. Competence and
// bestiary keys may be missing when the rules gained rows since the save.
const char* const ClesRequises[] = {"Sexe",   "Race",    "Equipe",  "Apparence", "FichierApparence",
                                    "IA",     "FichierIA", "Attitude", "Formation", "Vie",
                                    "Energie", "Magie",  "Moral",   "Attaque",   "Défense"};

std::string Decimal(std::int64_t n) { return std::to_string(n); }

// What a character file holds beside its values: the keys present in each
// section (first section of a name, first key of a name, as the reader
// takes them) and the lines that are no key, no section and no comment,
// which is what a file cut in the middle of a line leaves.
struct Structure {
    std::map<std::string, std::set<std::string>> cles;
    std::vector<std::string> fautes;
    // Faults of lines beyond the first ErreurFichier::MaxDetails: counted
    // only, so that a file of junk lines costs no more than its size.
    std::size_t autres = 0;
    void Faute(std::string quoi) {
        if (fautes.size() < ErreurFichier::MaxDetails) fautes.push_back(std::move(quoi));
        else ++autres;
    }
    std::vector<std::string> Liste(std::vector<std::string> f) const {
        if (autres > 0) f.push_back(ErreurFichier::Suite(autres));
        return f;
    }
};

Structure Analyser(std::string_view texte) {
    Structure s;
    std::set<std::string> vues;
    std::set<std::string>* courante = nullptr;
    const std::vector<std::string> lignes = DecouperLignes(texte);
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const std::string_view t = Rogner(lignes[i]);
        if (t.empty() || t.front() == ';') continue;
        if (t.front() == '[') {
            const std::size_t fin = t.find(']');
            if (fin == std::string_view::npos) {
                s.Faute("Ligne " + Decimal(static_cast<std::int64_t>(i) + 1) +
                                   " : en-tête de section incomplet (fichier tronqué ?).");
                courante = nullptr;
                continue;
            }
            const std::string nom = MinusculesAscii(Rogner(t.substr(1, fin - 1)));
            courante = vues.insert(nom).second ? &s.cles[nom] : nullptr;
            continue;
        }
        const std::size_t egal = t.find('=');
        if (egal == std::string_view::npos) {
            s.Faute("Ligne " + Decimal(static_cast<std::int64_t>(i) + 1) + " : « " + std::string(PremiersCaracteres(t, 60)) +
                               " » n'est pas une ligne clé=valeur (fichier tronqué ?).");
            continue;
        }
        if (courante) courante->insert(MinusculesAscii(Rogner(t.substr(0, egal))));
    }
    return s;
}

// Reads the values of one section, collecting the faults instead of
// stopping at the first: the player learns everything wrong at once.
class Lecteur {
public:
    Lecteur(ClsFicINI& ini, const std::set<std::string>* presentes, std::vector<std::string>& fautes)
        : ini_(ini), presentes_(presentes), fautes_(fautes) {}

    std::string Texte(const std::string& cle) { return ini_.Parametre(cle); }

    void Faute(const std::string& cle, const std::string& quoi) {
        fautes_.push_back("Section [" + ini_.Section + "], clé " + cle + " : " + quoi);
    }

    void Requise(const std::string& cle) {
        if (presentes_ && !presentes_->count(MinusculesAscii(cle))) Faute(cle, "valeur absente (fichier tronqué ?).");
    }

    // An empty value (a key the file does not hold) reads as 0; anything
    // else must be a whole number. "," is accepted for files written by
    // hand or by a French system.
    std::optional<double> Nombre(const std::string& cle) {
        const std::string texte = Texte(cle);
        if (ini_.Tronquee()) {
            Faute(cle, "valeur trop longue (plus de " + std::to_string(ClsFicINI::LongueurMax) +
                           " caractères) : ce n'est pas un nombre.");
            return std::nullopt;
        }
        if (Rogner(texte).empty()) return 0.0;
        auto v = ValeurStricte(texte);
        if (!v) Faute(cle, "« " + texte + " » n'est pas un nombre.");
        return v;
    }

    template <class T>
    std::optional<T> EntierBorne(const std::string& cle, double minimum) {
        auto v = Nombre(cle);
        if (!v) return std::nullopt;
        const double r = Arrondi(*v);
        if (r < minimum || r > static_cast<double>(std::numeric_limits<T>::max())) {
            Faute(cle, "la valeur " + std::string(Rogner(Texte(cle))) + " est hors limites.");
            return std::nullopt;
        }
        return static_cast<T>(r);
    }

    // A file name kept in the character (looks, script): a plain name of
    // its folder, or nothing.
    std::string NomFichier(const std::string& cle) {
        std::string nom = Texte(cle);
        if (!nom.empty() && !NomFichierSur(nom)) {
            Faute(cle, "« " + nom + " » n'est pas un nom de fichier permis.");
            return {};
        }
        return nom;
    }

private:
    ClsFicINI& ini_;
    const std::set<std::string>* presentes_;
    std::vector<std::string>& fautes_;
};

// Writes one key of a character file. Every write replaces the whole file
// on disk, so a value already there is not written again: a periodic save
// then costs a write per value that changed, not one per key. An empty
// value is always written, since reading cannot tell it from a missing
// key.
bool Ecrire(ClsFicINI& ini, const std::string& cle, const std::string& valeur) {
    if (!valeur.empty() && ini.Parametre(cle) == valeur) return true;
    return ini.Parametre(cle, valeur);
}

// Share of the maximum that a current value holds, as a single: the
// precision in which loading gives it back; a characteristic without a
// maximum counts as full.
float Part(double courant, double maximum) {
    if (!(maximum > 0.0)) return 1.0f;
    const double r = courant / maximum;
    return std::isfinite(r) ? static_cast<float>(r) : 1.0f;
}

}  // namespace

ErreurPerso::ErreurPerso(std::string Nom, std::string Fichier, std::vector<std::string> Details)
    : ErreurFichier(std::move(Fichier), std::move(Details)), nom_(std::move(Nom)) {
    message_ = "Le fichier de personnage " + nom_ + " est invalide";
    for (const auto& d : ErreurFichier::Details()) message_ += "\n" + d;
}

ModSavPerso::ModSavPerso(DossierJeu& Dossier, const ClsJeuParam& Parametres)
    : dossier_(Dossier), Parametres(Parametres) {}

// ---- Settings ----

void ModSavPerso::Charger_Parametres_SavPerso() {
    ClsFicINI ini(dossier_);
    ini.NomFichier = FichierReglages;
    ini.Section = SectionReglages;
    ErreursFichier erreurs(FichierReglagesComplet);
    if (!fs::is_regular_file(dossier_.Chemin(FichierReglagesComplet)))
        throw ErreurFichier(FichierReglagesComplet, "Le fichier est introuvable dans le dossier du jeu.");

    auto faute = [&](const char* cle, const std::string& quoi) {
        erreurs.Ajouter(std::string("Section [") + SectionReglages + "], clé " + cle + " : " + quoi);
    };
    auto texte = [&](const char* cle) {
        std::string v = ini.Parametre(cle);
        if (v.empty()) faute(cle, "valeur absente");
        return v;
    };

    std::string chemin = texte("CheminSavPerso");
    std::string extension = texte("ExtensionFichiersPerso");
    std::string sectionPerso = texte("SectionPerso");
    std::string sectionTalents = texte("SectionTalents");
    // The folder lies inside the game folder: no way up out of it.
    if (DefautChemin(chemin)) faute("CheminSavPerso", "le dossier doit se trouver dans le dossier du jeu.");
    // The roster cuts a file name at its first ".": the extension brings it.
    if (!extension.empty() && (extension.front() != '.' || !NomFichierSur("x" + extension)))
        faute("ExtensionFichiersPerso", "« " + extension + " » n'est pas une extension (un point suivi de lettres).");

    bool periodique = false;
    if (auto v = ValeurStricte(ini.Parametre("SauvegardePeriodique")))
        periodique = *v != 0.0;
    else
        faute("SauvegardePeriodique", "1 ou 0 attendu.");
    std::int16_t periode = 0;
    auto p = ValeurStricte(ini.Parametre("PeriodeSauvegarde"));
    if (!p || Arrondi(*p) < 0.0 || Arrondi(*p) > 32767.0)
        faute("PeriodeSauvegarde", "un nombre de secondes de 0 à 32767 attendu.");
    else
        periode = static_cast<std::int16_t>(Arrondi(*p));

    erreurs.Verifier();
    CheminSavPerso = chemin;
    ExtensionFichiersPerso = extension;
    SectionPerso = sectionPerso;
    SectionTalents = sectionTalents;
    SauvegardePeriodique = periodique;
    PeriodeSauvegarde = periode;
}

void ModSavPerso::Definir_SauvegardePeriodique(bool Valeur) {
    SauvegardePeriodique = Valeur;
    ClsFicINI ini(dossier_);
    ini.NomFichier = FichierReglages;
    ini.Section = SectionReglages;
    ini.Parametre("SauvegardePeriodique", Valeur ? "1" : "0");
}

// ---- Names and paths ----

bool ModSavPerso::NomPersoValide(std::string_view Nom) {
    return NomFichierSur(Nom) && Nom.find('.') == std::string_view::npos;
}

std::string ModSavPerso::NomRelatif(std::string_view Nom) const {
    // Doubled separators collapse: the folder may or may not end with one.
    return "\\" + (DossierSession.empty() ? CheminSavPerso : DossierSession) + "\\" + std::string(Nom);
}

fs::path ModSavPerso::Chemin_Perso(std::string_view Nom) const {
    return dossier_.Chemin(NomRelatif(Nom) + ExtensionFichiersPerso);
}

std::vector<std::string> ModSavPerso::Liste_Persos() const {
    std::vector<std::string> noms;
    std::error_code ec;
    fs::directory_iterator it(dossier_.Chemin("\\" + CheminSavPerso), ec);
    if (ec) return noms;
    for (const fs::directory_entry& e : it) {
        if (!e.is_regular_file(ec)) continue;
        const std::string fichier = e.path().filename().string();
        const std::size_t point = fichier.find('.');
        if (point == 0 || point == std::string::npos) continue;
        // Only "<name><extension>": a name holding a further "." would be
        // listed under a name that is not its file.
        if (!EgalSansCasse(std::string_view(fichier).substr(point), ExtensionFichiersPerso)) continue;
        std::string nom = fichier.substr(0, point);
        if (NomPersoValide(nom)) noms.push_back(std::move(nom));
    }
    std::sort(noms.begin(), noms.end(), [](const std::string& a, const std::string& b) {
        const std::string ma = MinusculesAscii(a), mb = MinusculesAscii(b);
        return ma != mb ? ma < mb : a < b;
    });
    return noms;
}

// ---- Loading ----

void ModSavPerso::Charger_Perso(const std::string& Nom, ClsJeuPerso& Perso) const {
    const std::string fichier = Nom + ExtensionFichiersPerso;
    if (!NomPersoValide(Nom))
        throw ErreurPerso(Nom, fichier, {"Ce nom ne peut pas être celui d'un fichier de personnage."});
    std::optional<std::string> texte;
    try {
        texte = LireFichierBorne(Chemin_Perso(Nom), TailleFichierMax::Perso, fichier);
    } catch (const ErreurFichier& e) {
        throw ErreurPerso(Nom, fichier, e.Details());
    }
    if (!texte) throw ErreurPerso(Nom, fichier, {"Le fichier est introuvable ou illisible."});

    Structure structure = Analyser(*texte);
    std::vector<std::string>& fautes = structure.fautes;
    const auto section = structure.cles.find(MinusculesAscii(Rogner(SectionPerso)));
    if (section == structure.cles.end())
        fautes.push_back("Section [" + SectionPerso + "] absente (fichier vide ou tronqué ?).");

    ClsFicINI ini(dossier_);
    ini.RefuserNombresTronques = false;  // the reader reports cut numbers with the other faults
    ini.NomFichier = NomRelatif(Nom);
    ini.Extension = ExtensionFichiersPerso;
    ini.Section = SectionPerso;
    Lecteur lire(ini, section == structure.cles.end() ? nullptr : &section->second, fautes);
    if (section != structure.cles.end())
        for (const char* cle : ClesRequises) lire.Requise(cle);

    // Loading works on a copy: a bad file leaves the character untouched.
    ClsJeuPerso p = Perso;
    try {
        // Shares of the current values, to be kept across the new maxima.
        const float parts[6] = {Part(p.Vie, p.Definir_MaxVie()),         Part(p.Energie, p.Definir_MaxEnergie()),
                                Part(p.Magie, p.Definir_MaxMagie()),     Part(p.Moral, p.Definir_MaxMoral()),
                                Part(p.Attaque, p.Definir_MaxAttaque()), Part(p.Defense, p.Definir_MaxDefense())};

        // 2, 3. The keys in the order they are written. The sex comes
        // before the race, whose data depend on it.
        p.Nom = Nom;
        p.Sexe = lire.Texte("Sexe") == "Féminin";
        if (auto race = lire.EntierBorne<std::int16_t>("Race", -32768.0)) {
            if (*race < 0 || *race >= Parametres.NombreRaces)
                lire.Faute("Race", Decimal(*race) + " ne désigne aucune race (valeurs permises : 0 à " +
                                       Decimal(Parametres.NombreRaces - 1) + ").");
            else if (fautes.empty())
                p.Changer_Race_Personnage(*race, Parametres, false);
        }
        // A team is a position in the list of teams.
        if (auto equipe = lire.EntierBorne<std::int32_t>("Equipe", 0.0)) p.Equipe = *equipe;
        p.ApparenceFichier = 0;  // the display loads the look again
        if (auto v = lire.Nombre("Apparence")) p.Apparence = *v == 1.0;
        p.FichierApparence = lire.NomFichier("FichierApparence");
        if (auto v = lire.Nombre("IA")) p.IA = *v == 1.0;
        p.FichierIA = lire.NomFichier("FichierIA");
        if (auto v = lire.EntierBorne<std::int16_t>("Attitude", -32768.0)) p.Attitude = *v;
        if (auto v = lire.EntierBorne<std::int16_t>("Formation", -32768.0)) p.Formation = *v;

        auto experience = [&](const std::string& cle, auto&& ranger) {
            if (auto v = lire.Nombre(cle)) ranger(*v);
        };
        experience("Vie", [&](double v) { p.ExpVie = v; });
        experience("Energie", [&](double v) { p.ExpEnergie = v; });
        experience("Magie", [&](double v) { p.ExpMagie = v; });
        experience("Moral", [&](double v) { p.ExpMoral = v; });
        experience("Attaque", [&](double v) { p.ExpAttaque = v; });
        experience("Défense", [&](double v) { p.ExpDefense = v; });
        for (std::int32_t n = 1; n <= p.Nombre_CompetencesSpeciales(); ++n)
            experience("CompétenceSpéciale" + Decimal(n), [&](double v) { p.Definir_ExpSpeciales(n - 1, v); });
        for (std::int32_t n = 1; n <= p.Nombre_CompetencesRessources(); ++n)
            experience("CompétenceRessource" + Decimal(n), [&](double v) { p.Definir_ExpRessources(n - 1, v); });
        for (std::int32_t n = 1; n <= p.Nombre_CompetencesServices(); ++n)
            experience("CompétenceService" + Decimal(n), [&](double v) { p.Definir_ExpServices(n - 1, v); });
        // Item competences and the bestiary are keyed by the rules' own
        // numbers, not by positions: rows may be reordered.
        for (std::int32_t i = 0; i < p.Nombre_CompetencesObjets(); ++i)
            experience("CompétenceObjet" + Decimal(Parametres.CompetenceObjet_Numero(i)),
                       [&](double v) { p.Definir_ExpObjets(i, v); });
        for (std::int16_t i = 0; i < p.Nombre_de_lignes_du_bestiaire(); ++i) {
            if (auto v = lire.EntierBorne<std::int32_t>("BestiaireMonstre" + Decimal(Parametres.Race_IndiceBestiaire(i)),
                                                        0.0))
                p.Definir_Bestiaire(i, *v);
        }
        if (!fautes.empty()) throw ErreurPerso(Nom, fichier, structure.Liste(fautes));

        // Levels from the experience just read.
        p.Gestion_Tous_Niveaux();
        // Each current value at its old share of the new maximum.
        p.Vie = static_cast<double>(parts[0]) * p.Definir_MaxVie();
        p.Energie = static_cast<double>(parts[1]) * p.Definir_MaxEnergie();
        p.Magie = static_cast<double>(parts[2]) * p.Definir_MaxMagie();
        p.Moral = static_cast<double>(parts[3]) * p.Definir_MaxMoral();
        p.Attaque = static_cast<double>(parts[4]) * p.Definir_MaxAttaque();
        p.Defense = static_cast<double>(parts[5]) * p.Definir_MaxDefense();
        // The equipment's bonuses on the new maxima.
        p.Actualiser_Bonus();
    } catch (const ErreurPerso&) {
        throw;
    } catch (const std::exception& e) {
        fautes.emplace_back(e.what());
        throw ErreurPerso(Nom, fichier, structure.Liste(fautes));
    }
    Perso = std::move(p);
}

std::int32_t ModSavPerso::Lire_Equipe(const std::string& Nom) const {
    const std::string fichier = Nom + ExtensionFichiersPerso;
    if (!NomPersoValide(Nom))
        throw ErreurPerso(Nom, fichier, {"Ce nom ne peut pas être celui d'un fichier de personnage."});
    ClsFicINI ini(dossier_);
    ini.NomFichier = NomRelatif(Nom);
    ini.Extension = ExtensionFichiersPerso;
    ini.Section = SectionPerso;
    std::vector<std::string> fautes;
    Lecteur lire(ini, nullptr, fautes);
    auto equipe = lire.EntierBorne<std::int32_t>("Equipe", 0.0);
    if (!equipe) throw ErreurPerso(Nom, fichier, fautes);
    return *equipe;
}

// ---- Saving ----

bool ModSavPerso::Sauvegarder_Perso(const ClsJeuPerso& Perso) const {
    if (Perso.Nom.empty() || !NomPersoValide(Perso.Nom)) return false;
    std::error_code ec;
    fs::create_directories(Chemin_Perso(Perso.Nom).parent_path(), ec);

    ClsFicINI ini(dossier_);
    ini.NomFichier = NomRelatif(Perso.Nom);
    ini.Extension = ExtensionFichiersPerso;
    ini.Section = SectionPerso;
    // Each key goes to disk through a whole-file replacement: a crash
    // never leaves a half-written file. The first failure stops the save.
    bool ecrit = true;
    auto ecrire = [&](const std::string& cle, const std::string& valeur) {
        if (ecrit) ecrit = Ecrire(ini, cle, valeur);
    };
    auto drapeau = [](bool b) { return std::string(b ? "1" : "0"); };
    // A file name the loader would refuse is not kept: the hero stays
    // loadable and falls back to its race's look or the built-in AI.
    auto fichier = [](const std::string& nom) { return NomFichierSur(nom) ? nom : std::string(); };

    ecrire("Sexe", Perso.Sexe ? "Féminin" : "Masculin");
    ecrire("Race", Decimal(Perso.Race));
    ecrire("Equipe", Decimal(Perso.Equipe));
    ecrire("Apparence", drapeau(Perso.Apparence));
    ecrire("FichierApparence", fichier(Perso.FichierApparence));
    ecrire("IA", drapeau(Perso.IA));
    ecrire("FichierIA", fichier(Perso.FichierIA));
    ecrire("Attitude", Decimal(Perso.Attitude));
    ecrire("Formation", Decimal(Perso.Formation));
    ecrire("Vie", TexteNombre(Perso.ExpVie));
    ecrire("Energie", TexteNombre(Perso.ExpEnergie));
    ecrire("Magie", TexteNombre(Perso.ExpMagie));
    ecrire("Moral", TexteNombre(Perso.ExpMoral));
    ecrire("Attaque", TexteNombre(Perso.ExpAttaque));
    ecrire("Défense", TexteNombre(Perso.ExpDefense));
    for (std::int32_t n = 1; n <= Perso.Nombre_CompetencesSpeciales(); ++n)
        ecrire("CompétenceSpéciale" + Decimal(n), TexteNombre(Perso.Definir_ExpSpeciales(n - 1)));
    for (std::int32_t n = 1; n <= Perso.Nombre_CompetencesRessources(); ++n)
        ecrire("CompétenceRessource" + Decimal(n), TexteNombre(Perso.Definir_ExpRessources(n - 1)));
    for (std::int32_t n = 1; n <= Perso.Nombre_CompetencesServices(); ++n)
        ecrire("CompétenceService" + Decimal(n), TexteNombre(Perso.Definir_ExpServices(n - 1)));
    for (std::int32_t i = 0; i < Perso.Nombre_CompetencesObjets(); ++i)
        ecrire("CompétenceObjet" + Decimal(Parametres.CompetenceObjet_Numero(i)), TexteNombre(Perso.Definir_ExpObjets(i)));
    for (std::int16_t i = 0; i < Perso.Nombre_de_lignes_du_bestiaire(); ++i)
        ecrire("BestiaireMonstre" + Decimal(Parametres.Race_IndiceBestiaire(i)), Decimal(Perso.Definir_Bestiaire(i)));
    return ecrit;
}

bool ModSavPerso::Sauvegarder_Perso_Periodique(const ClsJeuPerso& Perso, double Maintenant) {
    if (!SauvegardePeriodique) return false;
    // Each character has its own time: with two local players, the second
    // is saved as often as the first. A clock that went back (midnight on
    // the old clock) counts as a period gone by.
    double& derniere = DernieresSauvegardes[Perso.Nom];
    if (!(std::fabs(Maintenant - derniere) > PeriodeSauvegarde)) return false;
    derniere = Maintenant;
    return Sauvegarder_Perso(Perso);
}

bool ModSavPerso::Sauvegarder_Equipe(const std::string& Nom, std::int32_t Equipe) const {
    if (!NomPersoValide(Nom)) return false;
    std::error_code ec;
    fs::create_directories(Chemin_Perso(Nom).parent_path(), ec);
    ClsFicINI ini(dossier_);
    ini.NomFichier = NomRelatif(Nom);
    ini.Extension = ExtensionFichiersPerso;
    ini.Section = SectionPerso;
    return Ecrire(ini, "Equipe", Decimal(Equipe));
}

bool ModSavPerso::Supprimer_Perso(std::string_view Nom) const {
    if (!NomPersoValide(Nom)) return false;
    const fs::path chemin = Chemin_Perso(Nom);
    std::error_code ec;
    fs::remove(chemin, ec);
    // A file already gone is what was asked for.
    return !fs::exists(chemin, ec);
}

// ---- Talents ----

void ModSavPerso::Appliquer_Talents(ClsJeuPerso& Perso, ClsJeuCommentaires& Commentaires) const {
    if (!NomPersoValide(Perso.Nom)) return;
    ClsFicINI ini(dossier_);
    ini.NomFichier = NomRelatif(Perso.Nom);
    ini.Extension = ExtensionFichiersPerso;
    ini.Section = SectionTalents;
    const std::int16_t n = Parametres.Race_NombreObjets(Perso.Race);
    for (std::int16_t k = 1; k <= n; ++k) {
        const std::int16_t t = Parametres.Race_Objet(Perso.Race, k - 1);
        if (t < 0 || t >= Parametres.NombreTypesObjets) continue;
        // Exactly 1: another value counts as chosen in the list, but gives
        // no item.
        if (Val(ini.Parametre("Tresor" + Decimal(k))) == 1.0 && Perso.Objet_NombreType(t) == 0)
            Perso.Objet_Ajouter_Inventaire(t, Parametres, Commentaires, Perso.Equiper);
    }
}

void ModSavPerso::Lire_Talents(const ClsJeuPerso& Perso, std::vector<bool>& Talents) const {
    const std::int16_t n = std::max<std::int16_t>(Parametres.Race_NombreObjets(Perso.Race), 0);
    Talents.assign(static_cast<std::size_t>(n) + 1, false);
    if (n == 0 || !NomPersoValide(Perso.Nom)) return;
    ClsFicINI ini(dossier_);
    ini.NomFichier = NomRelatif(Perso.Nom);
    ini.Extension = ExtensionFichiersPerso;
    ini.Section = SectionTalents;
    for (std::int16_t k = 1; k <= n; ++k)
        Talents[static_cast<std::size_t>(k - 1)] = Val(ini.Parametre("Tresor" + Decimal(k))) != 0.0;
}

bool ModSavPerso::Sauvegarder_Talents(ClsJeuPerso& Perso, const std::vector<bool>& Talents,
                                      ClsJeuCommentaires& Commentaires) const {
    if (!NomPersoValide(Perso.Nom)) return false;
    const std::int16_t n = Parametres.Race_NombreObjets(Perso.Race);
    bool ecrit = true;
    if (n > 0) {
        std::error_code ec;
        fs::create_directories(Chemin_Perso(Perso.Nom).parent_path(), ec);
        ClsFicINI ini(dossier_);
        ini.NomFichier = NomRelatif(Perso.Nom);
        ini.Extension = ExtensionFichiersPerso;
        ini.Section = SectionTalents;
        for (std::int16_t k = 1; k <= n && ecrit; ++k) {
            const auto i = static_cast<std::size_t>(k - 1);
            ecrit = Ecrire(ini, "Tresor" + Decimal(k), i < Talents.size() && Talents[i] ? "1" : "0");
        }
    }
    Appliquer_Talents(Perso, Commentaires);
    return ecrit;
}

// ---- Interface options ----

void ModSavPerso::Charger_Options_Interface(const ClsJeuPerso& Perso, OptionsInterface& Interface) const {
    const auto boutons = static_cast<std::size_t>(std::max<std::int16_t>(Interface.NombreBoutonsBarresStatut, 0));
    const auto types = static_cast<std::size_t>(std::max<std::int16_t>(Parametres.NombreTypesObjets, 0));
    Interface.AutoRecuperation.assign(boutons, false);
    Interface.TouchesRaccourciObjets.assign(types, -1);
    if (!NomPersoValide(Perso.Nom)) return;
    ClsFicINI ini(dossier_);
    ini.NomFichier = NomRelatif(Perso.Nom);
    ini.Extension = ExtensionFichiersPerso;
    ini.Section = SectionPerso;
    for (std::size_t k = 1; k <= boutons; ++k)
        Interface.AutoRecuperation[k - 1] = Val(ini.Parametre("AutoRecuperationCarac" + Decimal(static_cast<std::int64_t>(k)))) != 0.0;
    for (std::size_t k = 1; k <= types; ++k) {
        // Stored from 1, 0 (or nothing) for no key. A number no key can
        // have is read as no key.
        const double touche = Arrondi(Val(ini.Parametre("ToucheRaccourciObjet" + Decimal(static_cast<std::int64_t>(k)))) - 1.0);
        Interface.TouchesRaccourciObjets[k - 1] = (touche >= -1.0 && touche <= 32767.0) ? static_cast<std::int16_t>(touche) : -1;
    }
}

bool ModSavPerso::Sauvegarder_Options_Interface(const ClsJeuPerso& Perso, const OptionsInterface& Interface) const {
    if (!NomPersoValide(Perso.Nom)) return false;
    std::error_code ec;
    fs::create_directories(Chemin_Perso(Perso.Nom).parent_path(), ec);
    ClsFicINI ini(dossier_);
    ini.NomFichier = NomRelatif(Perso.Nom);
    ini.Extension = ExtensionFichiersPerso;
    ini.Section = SectionPerso;
    bool ecrit = true;
    for (std::int32_t k = 1; k <= Interface.NombreBoutonsBarresStatut && ecrit; ++k)
        ecrit = Ecrire(ini, "AutoRecuperationCarac" + Decimal(k), Interface.AutoRecuperation_Carac(k - 1) ? "1" : "0");
    for (std::int32_t k = 1; k <= Parametres.NombreTypesObjets && ecrit; ++k)
        ecrit = Ecrire(ini, "ToucheRaccourciObjet" + Decimal(k),
                              Decimal(static_cast<std::int64_t>(Interface.Touches_Raccourci_Objets(k - 1)) + 1));
    return ecrit;
}
