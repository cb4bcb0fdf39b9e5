// The HTML pages the player reads in the web browser: the reference pages
// written from the rules database (buildings, resources, peoples, items,
// bestiary) and the statistics page of the last game. Their look comes from
// Ini_Documents: the page start and end, row start and end, bold markers,
// line break and separator are HTML fragments written as they stand; texts
// from the rules data are escaped. Pages are built in memory and replace
// the old file in one rename, so a failed write leaves no half page.
//
// Writing is headless; only opening a page goes through the viewer layer.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

class AvertisseurErreur;
class ClsJeuParam;
class ClsJeuStastistiques;
class DossierJeu;
class LanceurExterne;

// A calendar day, as the statistics page titles it.
struct DateDocument {
    int Annee = 2000;
    int Mois = 1;         // 1 to 12
    int Jour = 1;         // 1 to 31
    int JourSemaine = 6;  // 0 Sunday to 6 Saturday
};

class ModDocuments {
public:
    // All three must outlive this object.
    ModDocuments(DossierJeu& Dossier, const ClsJeuParam& Parametres, const ClsJeuStastistiques& Statistiques);

    // ---- Settings (Ini_Documents.ini, section Documents) ----
    // A missing key (or file) is an empty text and a false flag.
    std::string MessageFichierManquantTexte;
    std::string MessageFichierManquantTitre;
    std::string FichierDocumentChemin;
    std::string FichierDocumentExtension;
    std::string FichierDocumentBatiments;
    std::string FichierDocumentBestiaire;
    std::string FichierDocumentObjets;
    std::string FichierDocumentRessources;
    std::string FichierDocumentPeuples;
    std::string FichierDocumentStastistiques;
    std::string PageDebut;
    std::string PageFin;
    std::string LigneDebut;
    std::string LigneFin;
    std::string TexteGrasDebut;
    std::string TexteGrasFin;
    std::string RetourLigne;
    std::string Separateur;

    // Reads the twenty settings; called once at start-up.
    void Charger_Parametres_Documents();
    bool Definir_EnregistrerStastistiques() const { return EnregistrerStastistiques; }
    bool Definir_AfficherStastistiquesEnQuittant() const { return AfficherStastistiquesEnQuittant; }
    // Each stores its flag at once and writes its own key ("1" or "0");
    // false when the file could not be written (the flag holds anyway).
    bool Definir_EnregistrerStastistiques(bool Valeur);
    bool Definir_AfficherStastistiquesEnQuittant(bool Valeur);

    // The page file of a file-name setting: game folder, folder setting,
    // name, extension. Empty when the settings would lead outside the game
    // folder or name no file.
    std::filesystem::path Chemin_Document(std::string_view NomFichier) const;

    // ---- Help menu entries: write the page, then open it in the browser.
    // A page that cannot be written is reported and not opened. ----
    void Creer_Document_Batiments(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur);
    void Creer_Document_Ressources(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur);
    void Creer_Document_Peuples(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur);
    void Creer_Document_Objets(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur);
    void Creer_Document_Bestiaire(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur);
    // Opens the statistics page of the last recorded game, or says it is
    // missing.
    void Afficher_Document_Stastistiques(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur);

    // ---- The pages alone. Each returns "" once the page is written, or
    // the French message saying why it is not. ----
    std::string Ecrire_Document_Batiments();
    std::string Ecrire_Document_Ressources();
    std::string Ecrire_Document_Peuples();
    std::string Ecrire_Document_Objets();
    std::string Ecrire_Document_Bestiaire();
    // At the end of a game, after the statistics have stripped the heroes:
    // writes nothing (and returns "") unless recording is on.
    std::string Creer_Document_Stastistiques();
    // Today's date for the statistics page; tests set a fixed one.
    std::function<DateDocument()> Aujourdhui;

    // ---- The table writer, on the page being built ----
    void DebutTableau(std::int16_t NombreColonnes);
    // Texte is written as it stands: callers escape what comes from data.
    void EcrireCellule(std::string Texte, bool Gras, bool Centrer);

    // Text from the rules data made safe for a page.
    static std::string EchapperHTML(std::string_view Texte);

private:
    bool EnregistrerStastistiques = false;
    bool AfficherStastistiquesEnQuittant = false;

    DossierJeu& Dossier;
    const ClsJeuParam& Parametres;
    const ClsJeuStastistiques& Statistiques;

    // The page being built and the table writer's state.
    std::string Page;
    std::int16_t NombreColonnes = 0;
    std::int16_t NombreLignes = 0;
    std::int16_t ColonneCourante = 0;

    void Ecrire_Ligne(std::string_view Texte);
    // Starts a page of n columns (PageDebut written).
    void Debut_Page(std::int16_t Colonnes);
    // PageFin, then the page replaces the file named by the setting.
    std::string Fin_Page(const std::string& NomFichier);
    void Ouvrir(const std::string& NomFichier, const std::string& Erreur, LanceurExterne& Lanceur,
                AvertisseurErreur& Avertisseur);
};
