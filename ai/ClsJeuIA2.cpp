#include "ai/ClsJeuIA2.h"

#include <cmath>
#include <limits>
#include <optional>

#include "platform/Chemins.h"
#include "platform/ErreurFichier.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "rules/ClsJeuParam.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view FinScript = "#Fin";
// A step list is counted by a 16-bit number, as the editor and the
// executor count it.
constexpr std::int32_t MaxEtapes = std::numeric_limits<std::int16_t>::max();

std::int32_t Compte(std::int16_t n) { return n < 0 ? 0 : n; }

// A description or a comment is one line of the file: a line break typed
// into it would turn the rest into a line of its own (even a step).
std::string SurUneLigne(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c == '\r' || c == '\n') c = ' ';
    return r;
}

std::optional<std::int64_t> EntierStrict(std::string_view texte) {
    const std::optional<double> v = ValeurStricte(texte);
    if (!v || *v != std::floor(*v) || std::fabs(*v) > 1e15) return std::nullopt;
    return static_cast<std::int64_t>(*v);
}

// A text quoted in a message, cut short when it is long.
std::string Citer(std::string_view texte) {
    std::string cite(PremiersCaracteres(texte, 60));
    if (cite.size() < texte.size()) cite += "…";
    return cite;
}

bool Commence(std::string_view ligne, std::string_view prefixe) {
    return ligne.substr(0, prefixe.size()) == prefixe;
}

// What one kind of step names, for the checks and the messages.
struct Table {
    const char* article;  // "la ressource", "le bâtiment" ...
    std::int32_t nombre;
};

class Lecteur {
public:
    Lecteur(const ClsJeuParam& p, ErreursFichier& erreurs, std::vector<EpoqueIA>& epoques)
        : p_(p), erreurs_(erreurs), epoques_(epoques) {}

    void Interpreter(std::size_t numero, const std::string& ligne) {
        numero_ = numero;
        ligne_ = &ligne;
        if (Commence(ligne, "Age_")) {
            const auto n = EntierStrict(std::string_view(ligne).substr(4));
            if (!n) {
                Faute("le numéro d'époque n'est pas un nombre entier.");
            } else if (*n < 1 || *n > static_cast<std::int64_t>(epoques_.size())) {
                Faute("l'époque " + std::to_string(*n) + " n'existe pas (les règles en comptent " +
                      std::to_string(epoques_.size()) + ").");
            } else {
                age_ = static_cast<std::size_t>(*n - 1);
                // An age named again starts its list over, and with it
                // the mark that the list names a building: a file must
                // load as it saves.
                epoques_[age_].Etapes.clear();
                epoques_[age_].BatimentDefini = false;
            }
        } else if (Commence(ligne, "#")) {
            if (age_ < epoques_.size()) epoques_[age_].Commentaire = ligne.substr(1);
        } else if (Commence(ligne, "Ressource_")) {
            AvecQuantite(ClsJeuIA2::CategorieRessource, 10, {"la ressource", Compte(p_.NombreRessources)});
        } else if (Commence(ligne, "Batiment_")) {
            const auto v = Valeur(std::string_view(ligne).substr(9), {"le bâtiment", Compte(p_.NombreTypeBatiments)});
            if (v && Ajouter({ClsJeuIA2::CategorieBatiment, *v, 0})) epoques_[age_].BatimentDefini = true;
        } else if (Commence(ligne, "Objet_")) {
            AvecQuantite(ClsJeuIA2::CategorieObjet, 6, {"l'objet", Compte(p_.NombreTypesObjets)});
        } else if (Commence(ligne, "ChangerMode_")) {
            const auto v = Valeur(std::string_view(ligne).substr(12), {"le mode", 2});
            if (v) Ajouter({ClsJeuIA2::CategorieChangerMode, *v, 0});
        } else if (Commence(ligne, "GagnerArgent_")) {
            AvecQuantite(ClsJeuIA2::CategorieGagnerArgent, 13, {"le bâtiment", Compte(p_.NombreTypeBatiments)});
        } else if (ligne == "Travailler") {
            Ajouter({ClsJeuIA2::CategorieTravailler, 0, 0});
        } else if (ligne == "Patrouiller") {
            Ajouter({ClsJeuIA2::CategoriePatrouiller, 0, 0});
        } else if (ligne == "Attaquer Ennemi") {
            Ajouter({ClsJeuIA2::CategorieAttaquerEnnemi, 0, 0});
        } else if (ligne == "Attaquer Donjon") {
            Ajouter({ClsJeuIA2::CategorieAttaquerDonjon, 0, 0});
        }
        // Anything else (blank lines, notes) is not part of the plan.
    }

private:
    void Faute(const std::string& quoi) {
        erreurs_.Ajouter("Ligne " + std::to_string(numero_) + " : « " + Citer(*ligne_) + " » : " + quoi);
    }

    // The 1-based number of a line, as the 0-based index it names.
    std::optional<std::int16_t> Valeur(std::string_view texte, const Table& table) {
        if (Rogner(texte).empty()) {
            Faute("le numéro manque.");
            return std::nullopt;
        }
        const auto n = EntierStrict(texte);
        if (!n) {
            Faute("« " + Citer(Rogner(texte)) + " » n'est pas un nombre entier.");
            return std::nullopt;
        }
        if (*n < 1 || *n > table.nombre) {
            Faute(std::string(table.article) + " " + std::to_string(*n) + " n'existe pas (les règles en comptent " +
                  std::to_string(table.nombre) + ").");
            return std::nullopt;
        }
        return static_cast<std::int16_t>(*n - 1);
    }

    void AvecQuantite(std::int16_t categorie, std::size_t prefixe, const Table& table) {
        const std::string_view ligne = *ligne_;
        const std::size_t egal = ligne.find('=', prefixe);
        if (egal == std::string_view::npos) {
            Faute("il manque « = » suivi de la quantité.");
            return;
        }
        const auto v = Valeur(ligne.substr(prefixe, egal - prefixe), table);
        const std::string_view texteQ = ligne.substr(egal + 1);
        if (Rogner(texteQ).empty()) {
            Faute("la quantité manque après « = ».");
            return;
        }
        const auto q = EntierStrict(texteQ);
        if (!q) {
            Faute("la quantité « " + Citer(Rogner(texteQ)) + " » n'est pas un nombre entier.");
            return;
        }
        if (*q < 0) {
            Faute("la quantité ne peut pas être négative.");
            return;
        }
        if (*q > std::numeric_limits<std::int16_t>::max()) {
            Faute("la quantité dépasse 32767.");
            return;
        }
        if (v) Ajouter({categorie, *v, static_cast<std::int16_t>(*q)});
    }

    bool Ajouter(const EtapeIA& etape) {
        if (age_ >= epoques_.size()) {
            Faute("aucune époque ne peut recevoir cette étape (les règles n'en comptent aucune).");
            return false;
        }
        auto& etapes = epoques_[age_].Etapes;
        if (static_cast<std::int32_t>(etapes.size()) >= MaxEtapes) {
            Faute("l'époque " + std::to_string(age_ + 1) + " a trop d'étapes (32767 au plus).");
            return false;
        }
        etapes.push_back(etape);
        return true;
    }

    const ClsJeuParam& p_;
    ErreursFichier& erreurs_;
    std::vector<EpoqueIA>& epoques_;
    // Lines before the first age line belong to the first age.
    std::size_t age_ = 0;
    std::size_t numero_ = 0;
    const std::string* ligne_ = nullptr;
};

void EcrireEtape(std::string& t, const EtapeIA& e) {
    const std::string v = std::to_string(static_cast<int>(e.Valeur) + 1);
    const std::string q = std::to_string(e.Quantite);
    switch (e.Categorie) {
    case ClsJeuIA2::CategorieRessource: t += "Ressource_" + v + "=" + q; break;
    case ClsJeuIA2::CategorieBatiment: t += "Batiment_" + v; break;
    case ClsJeuIA2::CategorieObjet: t += "Objet_" + v + "=" + q; break;
    case ClsJeuIA2::CategorieTravailler: t += "Travailler"; break;
    case ClsJeuIA2::CategoriePatrouiller: t += "Patrouiller"; break;
    case ClsJeuIA2::CategorieAttaquerEnnemi: t += "Attaquer Ennemi"; break;
    case ClsJeuIA2::CategorieAttaquerDonjon: t += "Attaquer Donjon"; break;
    case ClsJeuIA2::CategorieChangerMode: t += "ChangerMode_" + v; break;
    case ClsJeuIA2::CategorieGagnerArgent: t += "GagnerArgent_" + v + "=" + q; break;
    default: return;  // an unknown category has no line
    }
    t += "\r\n";
}

bool Ecrire(const fs::path& dossier, const std::string& nom, const std::string& texte) {
    if (!NomFichierSur(nom)) return false;
    return EcrireFichierAtomique(dossier / nom, texte);
}

}  // namespace

void ClsJeuIA2::Charger_IA(const fs::path& CheminFichier, const std::string& NomFichier,
                           const ClsJeuParam& Parametres, bool EstJoueur, std::string_view NomAffiche) {
    const fs::path chemin = CheminFichier / NomFichier;
    const std::string nom = NomAffiche.empty() ? chemin.string() : std::string(NomAffiche);
    const auto texte = LireFichierBorne(chemin, TailleFichierMax::ScriptIA, nom);
    if (!texte) throw ErreurFichier(nom, "Le fichier ne peut pas être lu.");
    const std::vector<std::string> lignes = DecouperLignes(*texte);

    // Blank lines after the end mark are not part of the file's content.
    std::size_t fin = lignes.size();
    while (fin > 0 && Rogner(lignes[fin - 1]).empty()) --fin;
    if (fin == 0) throw ErreurFichier(nom, "Le fichier est vide.");

    std::string description = Description;
    std::size_t premiere = 0;
    if (Commence(lignes[0], "#")) {
        description = lignes[0].substr(1);
        premiere = 1;
    }
    // "#Fin" closes the script. Every other line counts, the last one too:
    // a step written on the last line of a hand-made file is not dropped.
    if (fin > premiere && lignes[fin - 1] == FinScript) --fin;

    std::vector<EpoqueIA> epoques(static_cast<std::size_t>(Compte(Parametres.NombreEpoques)));
    ErreursFichier erreurs(nom);
    Lecteur lecteur(Parametres, erreurs, epoques);
    for (std::size_t i = premiere; i < fin; ++i) lecteur.Interpreter(i + 1, lignes[i]);
    erreurs.Verifier();

    this->NomFichier = NomFichier;
    this->EstJoueur = EstJoueur;
    Description = std::move(description);
    Epoques = std::move(epoques);
}

std::string ClsJeuIA2::Texte_IA(const ClsJeuParam& Parametres) const {
    std::string t = "#" + SurUneLigne(Description) + "\r\n\r\n";
    const std::int32_t n = Compte(Parametres.NombreEpoques);
    for (std::int32_t k = 0; k < n; ++k) {
        t += "Age_" + std::to_string(k + 1) + "\r\n";
        const EpoqueIA* e = Epoque(k);
        t += "#" + (e ? SurUneLigne(e->Commentaire) : std::string()) + "\r\n";
        if (e)
            for (const EtapeIA& etape : e->Etapes) EcrireEtape(t, etape);
        t += "\r\n";
    }
    t += std::string(FinScript) + "\r\n";
    return t;
}

std::string ClsJeuIA2::Texte_IA_Vierge(const ClsJeuParam& Parametres) {
    std::string t = "#\r\n\r\n";
    const std::int32_t n = Compte(Parametres.NombreEpoques);
    for (std::int32_t k = 0; k < n; ++k) t += "Age_" + std::to_string(k + 1) + "\r\n#\r\nTravailler\r\n\r\n";
    t += std::string(FinScript) + "\r\n";
    return t;
}

bool ClsJeuIA2::Creer_IA_Vierge(const fs::path& CheminFichier, const std::string& NomFichier,
                                const ClsJeuParam& Parametres) const {
    return Ecrire(CheminFichier, NomFichier, Texte_IA_Vierge(Parametres));
}

bool ClsJeuIA2::Sauvegarder_IA(const fs::path& CheminFichier, const std::string& NomFichier,
                               const ClsJeuParam& Parametres) const {
    return Ecrire(CheminFichier, NomFichier, Texte_IA(Parametres));
}

EpoqueIA* ClsJeuIA2::Epoque(std::int32_t NumeroEpoque) {
    if (NumeroEpoque < 0 || NumeroEpoque >= NombreEpoques()) return nullptr;
    return &Epoques[static_cast<std::size_t>(NumeroEpoque)];
}

const EpoqueIA* ClsJeuIA2::Epoque(std::int32_t NumeroEpoque) const {
    if (NumeroEpoque < 0 || NumeroEpoque >= NombreEpoques()) return nullptr;
    return &Epoques[static_cast<std::size_t>(NumeroEpoque)];
}

EtapeIA* ClsJeuIA2::Etape(std::int32_t NumeroEpoque, std::int32_t NumeroEtape) {
    EpoqueIA* e = Epoque(NumeroEpoque);
    if (!e || NumeroEtape < 0 || NumeroEtape >= static_cast<std::int32_t>(e->Etapes.size())) return nullptr;
    return &e->Etapes[static_cast<std::size_t>(NumeroEtape)];
}

const EtapeIA* ClsJeuIA2::Etape(std::int32_t NumeroEpoque, std::int32_t NumeroEtape) const {
    const EpoqueIA* e = Epoque(NumeroEpoque);
    if (!e || NumeroEtape < 0 || NumeroEtape >= static_cast<std::int32_t>(e->Etapes.size())) return nullptr;
    return &e->Etapes[static_cast<std::size_t>(NumeroEtape)];
}

void ClsJeuIA2::Ajouter_Etape(std::int32_t NumeroEpoque, std::int32_t NumeroEtape) {
    EpoqueIA* e = Epoque(NumeroEpoque);
    if (!e || NumeroEtape < 0 || NumeroEtape >= MaxEtapes) return;
    e->Etapes.resize(static_cast<std::size_t>(NumeroEtape) + 1);
}

void ClsJeuIA2::Intervertir_Etapes(std::int32_t NumeroEpoque, std::int32_t Indice1, std::int32_t Indice2) {
    EtapeIA* a = Etape(NumeroEpoque, Indice1);
    EtapeIA* b = Etape(NumeroEpoque, Indice2);
    if (a && b) std::swap(*a, *b);
}

void ClsJeuIA2::Supprimer_Etape(std::int32_t NumeroEpoque, std::int32_t Indice) {
    if (!Etape(NumeroEpoque, Indice)) return;
    auto& etapes = Epoque(NumeroEpoque)->Etapes;
    etapes.erase(etapes.begin() + Indice);
}

std::int32_t ClsJeuIA2::Definir_NombreEtapes(std::int32_t NumeroEpoque) const {
    const EpoqueIA* e = Epoque(NumeroEpoque);
    return e ? static_cast<std::int32_t>(e->Etapes.size()) : 0;
}

std::string ClsJeuIA2::Definir_Commentaire(std::int32_t NumeroEpoque) const {
    const EpoqueIA* e = Epoque(NumeroEpoque);
    return e ? e->Commentaire : std::string();
}

void ClsJeuIA2::Definir_Commentaire(std::int32_t NumeroEpoque, const std::string& Texte) {
    if (EpoqueIA* e = Epoque(NumeroEpoque)) e->Commentaire = Texte;
}

std::int16_t ClsJeuIA2::Definir_Categorie(std::int32_t NumeroEpoque, std::int32_t NumeroEtape) const {
    const EtapeIA* e = Etape(NumeroEpoque, NumeroEtape);
    return e ? e->Categorie : 0;
}

void ClsJeuIA2::Definir_Categorie(std::int32_t NumeroEpoque, std::int32_t NumeroEtape, std::int16_t Valeur) {
    if (EtapeIA* e = Etape(NumeroEpoque, NumeroEtape)) e->Categorie = Valeur;
}

std::int16_t ClsJeuIA2::Definir_Valeur(std::int32_t NumeroEpoque, std::int32_t NumeroEtape) const {
    const EtapeIA* e = Etape(NumeroEpoque, NumeroEtape);
    return e ? e->Valeur : 0;
}

void ClsJeuIA2::Definir_Valeur(std::int32_t NumeroEpoque, std::int32_t NumeroEtape, std::int16_t Valeur) {
    if (EtapeIA* e = Etape(NumeroEpoque, NumeroEtape)) e->Valeur = Valeur;
}

std::int16_t ClsJeuIA2::Definir_Quantite(std::int32_t NumeroEpoque, std::int32_t NumeroEtape) const {
    const EtapeIA* e = Etape(NumeroEpoque, NumeroEtape);
    return e ? e->Quantite : 0;
}

void ClsJeuIA2::Definir_Quantite(std::int32_t NumeroEpoque, std::int32_t NumeroEtape, std::int16_t Valeur) {
    if (EtapeIA* e = Etape(NumeroEpoque, NumeroEtape)) e->Quantite = Valeur;
}

bool ClsJeuIA2::Definir_BatimentDefini(std::int32_t NumeroEpoque) const {
    const EpoqueIA* e = Epoque(NumeroEpoque);
    return e && e->BatimentDefini;
}
