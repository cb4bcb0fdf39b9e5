#include "characters/ClsJeuCommentaires.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "characters/ClsJeuPerso.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "rules/ClsFicINI.h"
#include "rules/ModRandom.h"

namespace {

const char* const NomFichier = "Ini_Commentaires";
const char* const NomFichierComplet = "Ini_Commentaires.ini";

// Lenient whole-number read; a value the field cannot hold is a fault of
// the file, reported with the others.
std::int32_t LireEntier(ClsFicINI& ini, const char* cle, double minimum, double maximum, ErreursFichier& erreurs) {
    double v = Arrondi(Val(ini.Parametre(cle)));
    if (ini.Tronquee()) {
        erreurs.Ajouter("Section [" + ini.Section + "], clé " + cle + " : valeur trop longue, ce n'est pas un nombre.");
        return 0;
    }
    if (v < minimum || v > maximum) {
        erreurs.Ajouter("Section [" + ini.Section + "], clé " + cle + " : valeur hors limites.");
        return 0;
    }
    return static_cast<std::int32_t>(v);
}

}  // namespace

ClsJeuCommentaires::ClsJeuCommentaires(DossierJeu& Dossier, GenerateurLocal& Generateur)
    : dossier_(&Dossier), generateur_(&Generateur) {
    ClsFicINI ini(Dossier);
    ini.NomFichier = NomFichier;
    ini.Section = "Commentaires";
    ini.RefuserNombresTronques = false;  // LireEntier reports cut numbers with the other faults
    ErreursFichier erreurs(NomFichierComplet);

    // Afficher and Duree are the two keys the options window writes back:
    // they are read strictly, as they are written.
    if (auto afficher = ValeurStricte(ini.Parametre("Afficher")))
        Afficher = *afficher != 0.0;
    else
        erreurs.Ajouter("Section [Commentaires], clé Afficher : 1 ou 0 attendu.");
    if (auto duree = ValeurStricte(ini.Parametre("Duree")); duree && *duree >= 0.0)
        Duree = static_cast<float>(*duree);
    else
        erreurs.Ajouter("Section [Commentaires], clé Duree : nombre positif attendu.");
    DureeMin = static_cast<float>(Val(ini.Parametre("DureeMin")));
    DureeMax = static_cast<float>(Val(ini.Parametre("DureeMax")));
    DureeIntervale = static_cast<float>(Val(ini.Parametre("DureeIntervale")));
    Couleur = LireEntier(ini, "Couleur", -2147483648.0, 2147483647.0, erreurs);
    DecalageX = static_cast<std::int16_t>(LireEntier(ini, "DecalageX", -32768.0, 32767.0, erreurs));
    DecalageY = static_cast<std::int16_t>(LireEntier(ini, "DecalageY", -32768.0, 32767.0, erreurs));
    NombreTypeMessages = static_cast<std::int16_t>(LireEntier(ini, "NombreTypeMessages", 0.0, 32767.0, erreurs));
    NombreMaxMessagesParType =
        static_cast<std::int16_t>(LireEntier(ini, "NombreMaxMessagesParType", 0.0, 32767.0, erreurs));

    // A type without its section has no lines; a count of lines is held
    // to the keys Message(k) of the section.
    NombreMessages.assign(static_cast<std::size_t>(NombreTypeMessages), 0.0);
    Messages.assign(static_cast<std::size_t>(NombreTypeMessages), {});
    // Types whose section is in the file, found in one pass over its
    // sections: a count of types far beyond them costs nothing more.
    std::vector<bool> presents(static_cast<std::size_t>(NombreTypeMessages) + 1, false);
    for (const std::string& nom : Dossier.Sections(NomFichierComplet)) {
        if (nom.size() > 13 && EgalSansCasse(std::string_view(nom).substr(0, 13), "Commentaires_")) {
            const auto numero = ValeurStricte(std::string_view(nom).substr(13));
            if (numero && *numero >= 1 && *numero <= NombreTypeMessages && *numero == std::floor(*numero))
                presents[static_cast<std::size_t>(*numero)] = true;
        }
    }
    for (std::int16_t t = 0; t < NombreTypeMessages; ++t) {
        if (!presents[static_cast<std::size_t>(t) + 1]) continue;  // no lines of this type
        ini.Section = "Commentaires_" + std::to_string(t + 1);
        double nombre = Val(ini.Parametre("NombreMessages"));
        // The draw scales by this count: a count beyond the lines the file
        // may hold would pick lines that do not exist.
        if (nombre < 0.0 || nombre > NombreMaxMessagesParType) {
            erreurs.Ajouter("Section [" + ini.Section + "], clé NombreMessages : au plus " +
                            std::to_string(NombreMaxMessagesParType) + " lignes par type.");
            continue;
        }
        const double dernier = Arrondi(nombre - 1.0);
        if (dernier >= 0.0) {
            const auto voulus = static_cast<std::int32_t>(dernier) + 1;
            const std::int32_t presents = NumerosPresents(Dossier.Cles(NomFichierComplet, ini.Section), voulus,
                                                          "message(", ")");
            if (presents < voulus) {
                erreurs.Ajouter("Section [" + ini.Section + "], clé NombreMessages : " + std::to_string(voulus) +
                                " annoncés, mais la clé Message(" + std::to_string(presents + 1) +
                                ") manque à la section.");
                continue;
            }
        }
        NombreMessages[static_cast<std::size_t>(t)] = nombre;
        auto& lignes = Messages[static_cast<std::size_t>(t)];
        for (std::int32_t i = 0; i <= dernier; ++i)
            lignes.push_back(ini.Parametre("Message(" + std::to_string(i + 1) + ")"));
    }
    erreurs.Verifier();
}

std::string ClsJeuCommentaires::Message(std::int16_t Type, const ClsJeuPerso& Perso) {
    if (Type < 0) return "";
    // A race with its own speech set says its own lines whatever happens.
    if (Perso.ParoleSpecifique) Type = Perso.CommentairesSpecifique;
    if (Type < 0 || Type >= NombreTypeMessages) return "";
    const auto t = static_cast<std::size_t>(Type);
    const double r = generateur_->Suivant();
    const double k = std::floor(r * NombreMessages[t]);
    if (k < 0.0 || k >= static_cast<double>(Messages[t].size())) return "";
    return Messages[t][static_cast<std::size_t>(k)];
}

std::int32_t ClsJeuCommentaires::Nombre_Lignes(std::int16_t Type) const {
    if (Type < 0 || Type >= NombreTypeMessages) return 0;
    return static_cast<std::int32_t>(Messages[static_cast<std::size_t>(Type)].size());
}

void ClsJeuCommentaires::Definir_Afficher(bool Valeur) {
    Afficher = Valeur;
    ClsFicINI ini(*dossier_);
    ini.NomFichier = NomFichier;
    ini.Section = "Commentaires";
    ini.Parametre("Afficher", Valeur ? "1" : "0");
}

void ClsJeuCommentaires::Definir_Duree(float Valeur) {
    Duree = Valeur;
    ClsFicINI ini(*dossier_);
    ini.NomFichier = NomFichier;
    ini.Section = "Commentaires";
    // Shortest text that reads back as the same single (0.1, not 0.100000001).
    char texte[32];
    auto fin = std::to_chars(texte, texte + sizeof texte, Valeur).ptr;
    ini.Parametre("Duree", std::string_view(texte, static_cast<std::size_t>(fin - texte)));
}
