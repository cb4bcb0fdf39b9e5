// The setup window's settings file, Ini_Partie: read in the window's
// load, control by control in the order that lets each selection find its
// list filled, and written back when the window closes.
//
// Two kinds of keys: the tables the window offers (sizes, resource levels,
// difficulties, slider ranges), which only a person edits and which must
// be right, and the remembered choices, which the program wrote itself and
// which fall back to a default when they no longer fit the tables (one
// edited size list must not lock the player out of the game).
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "rules/ClsFicINI.h"
#include "windows/Demarrage.h"
#include "windows/FrmParam.h"
#include "windows/MDIFrmMain.h"

namespace {

// Bounds on the counts a person may write into the tables: each becomes
// list entries or rows of controls.
constexpr std::int32_t MaxEntrees = 100;
constexpr std::int32_t MaxLignesFiefs = 64;
// The soldiers of both armies become characters of one world.
constexpr std::int32_t MaxSoldats = 2000;

class Lecteur {
public:
    explicit Lecteur(ClsFicINI& ini) : ini_(ini) {}

    std::string Texte(const std::string& cle) {
        const std::string v = ini_.Parametre(cle);
        derniere_ = cle + "=" + v;
        return v;
    }
    [[noreturn]] void Echec() const {
        throw ErreurChargementPartie("Une erreur s'est produit pendant le chargement de :" + derniere_ + "(" +
                                     FrmParam::FichierIni + ").");
    }
    // A table key: the whole value must be a 32-bit number.
    std::int32_t Config(const std::string& cle) {
        const auto v = Strict(Texte(cle));
        if (!v) Echec();
        return *v;
    }
    // A remembered choice: nothing when it is missing or not a number.
    std::optional<std::int32_t> Etat(const std::string& cle) { return Strict(Texte(cle)); }
    double Leger(const std::string& cle) { return Val(Texte(cle)); }

private:
    static std::optional<std::int32_t> Strict(const std::string& texte) {
        const auto v = ValeurStricte(texte);
        if (!v) return std::nullopt;
        try {
            return VersEntier32(*v);
        } catch (const std::range_error&) {
            return std::nullopt;
        }
    }
    ClsFicINI& ini_;
    std::string derniere_;
};

// A remembered 1-based choice (0 = none) in a list of n entries; one that
// no longer fits gives the first entry.
int Selection(std::optional<std::int32_t> v, int n) {
    if (!v || *v < 0 || *v > n) return n > 0 ? 0 : -1;
    return *v - 1;
}

void Choisir(QComboBox* c, int i) {
    const QSignalBlocker b(c);
    c->setCurrentIndex(i);
}

void Regler(QSlider* s, int valeur) {
    const QSignalBlocker b(s);
    s->setValue(valeur);
}

Qt::CheckState Coche(std::optional<std::int32_t> v) {
    if (v && *v == 1) return Qt::Checked;
    if (v && *v == 2) return Qt::PartiallyChecked;
    return Qt::Unchecked;
}

int ValeurCoche(const QCheckBox* c) {
    switch (c->checkState()) {
        case Qt::Checked: return 1;
        case Qt::PartiallyChecked: return 2;
        default: return 0;
    }
}

}  // namespace

void FrmParam::Form_Load() {
    ClsFicINI ini(Principale_.Programme().Dossier);
    ini.NomFichier = FichierIni;
    Charger_Monde(ini);
    Charger_Fiefs(ini);
    Charger_Armees(ini);

    // The display handlers: the labels show the loaded values.
    SliderHauteurCarte_Change();
    SliderLargeurCarte_Change();
    SliderNombreArbres_Change();
    SliderFiefs_Change();
    for (std::size_t n = 0; n < SliderVillageois.size(); ++n) SliderVillageois_Change(static_cast<int>(n));
    SliderNombreSoldats_Change(0);
    SliderNombreSoldats_Change(1);

    // The scratch character the character panels work on while the window
    // is open: one character, one house, the player's index 0.
    ModMain& M = *Principale_.Programme().Jeu_Monde;
    M.Persos.clear();
    ClsJeuPerso& perso = M.Persos.emplace_back(&M);
    perso.Joueur = true;
    perso.Equipe = 0;
    M.Maisons.assign(1, ClsJeuBatiment{});
    M.Maisons[0].Main = &M;
    M.NoPersoJoueur = 0;
    perso.Init(0, M.Parametres, M.GenerateurPlateforme);

    Form_Load_Personnages();
    Actualiser_Liste_Persos();
    Charger_Personnages(ini);
    Actualiser_Bouton_Commencer();
}

void FrmParam::Charger_Monde(ClsFicINI& ini) {
    ini.Section = "Monde";
    Lecteur l(ini);
    const auto type = static_cast<std::int32_t>(l.Leger("TypePartie"));
    {
        const QSignalBlocker b(TabStripMonde);
        TabStripMonde->setCurrentIndex(type >= 0 && type < TabStripMonde->count() ? type : 0);
    }
    DernierScenario = Sature16(l.Leger("DernierScenario"));
    DernierMonde = Sature16(l.Leger("DernierMonde"));
    TabStripMonde_Click();

    const std::int32_t tailles = l.Config("NombreTailles");
    if (tailles < 1 || tailles > MaxEntrees) l.Echec();
    for (std::int32_t n = 1; n <= tailles; ++n) {
        const std::string p = "Taille" + std::to_string(n);
        ComboTaille->addItem(QString::fromStdString(l.Texte(p + "Nom")));
        const std::string dimensions = l.Texte(p + "Dimensions");
        const std::size_t etoile = dimensions.find('*');
        if (etoile == std::string::npos) l.Echec();
        const auto largeur = ValeurStricte(dimensions.substr(0, etoile));
        const auto hauteur = ValeurStricte(dimensions.substr(etoile + 1));
        if (!largeur || !hauteur || *largeur < 1 || *hauteur < 1 || *largeur > 1e6 || *hauteur > 1e6) l.Echec();
        TailleLargeurs.push_back(VersEntier32(*largeur));
        TailleHauteurs.push_back(VersEntier32(*hauteur));
        TailleRessources.push_back(l.Config(p + "Ressources"));
        TailleFiefs.push_back(l.Config(p + "Fiefs"));
        if (TailleFiefs.back() < 1) l.Echec();
    }
    Choisir(ComboTaille, Selection(l.Etat("TailleChoisie"), ComboTaille->count()));
    ComboTaille_Click();

    ModMain& M = *Principale_.Programme().Jeu_Monde;
    for (std::int32_t i = 0; i < M.Monde.NombreTypesMondes; ++i) ComboTerrain->addItem(QString::fromStdString(M.Monde.Param_MondeNom(i)));
    Choisir(ComboTerrain, Selection(l.Etat("TerrainChoisi"), ComboTerrain->count()));

    const std::int32_t niveaux = l.Config("NombreRessources");
    if (niveaux < 1 || niveaux > MaxEntrees) l.Echec();
    for (std::int32_t n = 1; n <= niveaux; ++n) {
        const std::string p = "Ressources" + std::to_string(n);
        ComboRessources->addItem(QString::fromStdString(l.Texte(p + "Nom")));
        RessourceMultiplicateurs.push_back(l.Leger(p + "Multiplicateur"));
    }
    Choisir(ComboRessources, Selection(l.Etat("RessourceChoisie"), ComboRessources->count()));
    ComboTaille_Click();

    for (std::int32_t i = 0; i < M.Parametres.NombreEpoques; ++i) ComboEpoque->addItem(QString::fromStdString(M.Parametres.Epoque_Nom(i)));
    Choisir(ComboEpoque, Selection(l.Etat("EpoqueChoisie"), ComboEpoque->count()));

    const std::int32_t difficultes = l.Config("NombreDifficultes");
    if (difficultes < 1 || difficultes > MaxEntrees) l.Echec();
    for (std::int32_t n = 1; n <= difficultes; ++n) {
        const std::string p = "Difficulte" + std::to_string(n);
        ComboDifficulte->addItem(QString::fromStdString(l.Texte(p + "Nom")));
        DifficulteBonusXP.push_back(l.Config(p + "BonusXP"));
    }
    Choisir(ComboDifficulte, Selection(l.Etat("DifficulteChoisie"), ComboDifficulte->count()));

    const std::int32_t minL = l.Config("MinLargeur");
    if (minL < 1) l.Echec();
    const std::int32_t minH = l.Config("MinHauteur");
    if (minH < 1) l.Echec();
    const std::int32_t minR = l.Config("MinQuantitéRessources");
    if (minR < 0) l.Echec();
    const std::int32_t maxL = l.Config("MaxLargeur");
    if (maxL < minL) l.Echec();
    const std::int32_t maxH = l.Config("MaxHauteur");
    if (maxH < minH) l.Echec();
    const std::int32_t maxR = l.Config("MaxQuantitéRessources");
    if (maxR < minR) l.Echec();
    SliderLargeurCarte->setRange(minL, maxL);
    SliderHauteurCarte->setRange(minH, maxH);
    SliderNombreArbres->setRange(minR, maxR);
    // Every size must be one the sliders can show.
    for (std::int32_t n = 1; n <= tailles; ++n) {
        const auto k = static_cast<std::size_t>(n - 1);
        if (TailleLargeurs[k] < minL || TailleLargeurs[k] > maxL || TailleHauteurs[k] < minH || TailleHauteurs[k] > maxH) {
            l.Texte("Taille" + std::to_string(n) + "Dimensions");
            l.Echec();
        }
    }
    // The stored values replace what the size put into the sliders; a value
    // out of range is brought into it.
    Regler(SliderLargeurCarte, l.Etat("ValLargeur").value_or(TailleLargeurs[0]));
    Regler(SliderHauteurCarte, l.Etat("ValHauteur").value_or(TailleHauteurs[0]));
    Regler(SliderNombreArbres, l.Etat("ValQuantitéRessources").value_or(TailleRessources[0]));
}

void FrmParam::Charger_Fiefs(ClsFicINI& ini) {
    ini.Section = "Fiefs";
    Lecteur l(ini);
    const std::int32_t minF = l.Config("MinFiefs");
    if (minF < 1) l.Echec();
    const auto valF = l.Etat("ValFiefs");
    const std::int32_t maxF = l.Config("MaxFiefs");
    if (minF < 1 || maxF < minF || maxF > MaxLignesFiefs) l.Echec();
    for (std::size_t k = 0; k < TailleFiefs.size(); ++k) {
        if (TailleFiefs[k] > maxF) {
            ini.Section = "Monde";
            l.Texte("Taille" + std::to_string(k + 1) + "Fiefs");
            l.Echec();
        }
    }
    ini.Section = "Fiefs";
    SliderFiefs->setRange(minF, maxF);
    Regler(SliderFiefs, valF.value_or(minF));
    // Every fief needs a villager: a fief without one has no one to hand
    // its castle to.
    const std::int32_t minV = l.Config("MinVillageoisFief");
    if (minV < 1) l.Echec();
    const std::int32_t maxV = l.Config("MaxVillageoisFief");
    if (maxV < minV || maxV > 10000) l.Echec();

    ModMain& M = *Principale_.Programme().Jeu_Monde;
    const int peuples = M.Parametres.NombrePeuples;
    for (std::int32_t n = 1; n <= maxF; ++n) {
        Ajouter_Ligne_Fief(n - 1);
        const auto i = static_cast<std::size_t>(n - 1);
        SliderVillageois[i]->setRange(minV, maxV);
        for (int p = 0; p < peuples; ++p) ComboPeuple[i]->addItem(QString::fromStdString(M.Parametres.Peuples_Nom(p)));
        ComboPeuple[i]->addItem(QString::fromUtf8("Aléatoire"));
        Regler(SliderVillageois[i], l.Etat("ValVillageoisFief" + std::to_string(n)).value_or(minV));
        Choisir(ComboPeuple[i], Selection(l.Etat("PeupleFief" + std::to_string(n)), ComboPeuple[i]->count()));
    }
    for (std::int32_t n = 1; n <= maxF; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        ComboEquipe[i]->clear();
        for (std::int32_t e = 1; e <= maxF; ++e) ComboEquipe[i]->addItem(QString::number(e));
        // A team that no longer fits: the fief plays on its own.
        const auto v = l.Etat("EquipeFief" + std::to_string(n));
        Choisir(ComboEquipe[i], v && *v >= 0 && *v <= maxF ? *v - 1 : n - 1);
    }
    CheckEquilibreFiefs->setCheckState(Coche(l.Etat("EquilibreFiefs")));
}

void FrmParam::Charger_Armees(ClsFicINI& ini) {
    ModMain& M = *Principale_.Programme().Jeu_Monde;
    const ClsJeuParam& P = M.Parametres;
    for (int a = 0; a < 2; ++a) {
        ini.Section = "Armée_" + std::to_string(a + 1);
        Lecteur l(ini);
        const auto borne = [](double v) { return std::clamp(Sature32(Arrondi(v)), 0, MaxSoldats); };
        const std::int32_t mini = borne(l.Leger("MinSoldats"));
        const std::int32_t valeur = borne(l.Leger("ValSoldats"));
        const std::int32_t maxi = std::max(mini, borne(l.Leger("MaxSoldats")));
        SliderNombreSoldats[a]->setRange(mini, maxi);
        Regler(SliderNombreSoldats[a], valeur);
        ComboArmee[a]->clear();
        for (int p = 0; p < P.NombrePeuples; ++p) ComboArmee[a]->addItem(QString::fromStdString(P.Peuples_Nom(p)));
        ComboArmee[a]->addItem(QString::fromUtf8("Aléatoire"));
        Choisir(ComboArmee[a], Selection(l.Etat("Peuple"), ComboArmee[a]->count()));
        LstObjets[a]->clear();
        for (std::int32_t o = 0; o < P.NombreTypesObjets; ++o)
            if (!P.Objet_Unique(o)) LstObjets[a]->addItem(QString::fromStdString(P.Objet_Nom(o)));
        CheckEquipementArmee[a]->setCheckState(Coche(l.Etat("Equipement")));
        if (CheckEquipementArmee[a]->checkState() == Qt::Checked)
            for (int k = 0; k < LstObjets[a]->count(); ++k)
                LstObjets[a]->item(k)->setSelected(l.Leger("Objet" + std::to_string(k)) != 0.0);
        CheckEquipementArmee_Click(a);
    }
}

void FrmParam::Charger_Personnages(ClsFicINI& ini) {
    ini.Section = "Personnages";
    Lecteur l(ini);
    Principale_.MenuPersonnageCompetencesAfficherToutes->setChecked(l.Etat("CompetencesAfficherToutes").value_or(0) != 0);
    const auto mode = l.Etat("CompetencesAffichage");
    Principale_.MenuPersonnageCompetencesAffichage_Click(mode && *mode >= 0 && *mode <= 2 ? *mode : 0);

    const auto fichiers = l.Etat("FichiersSelection");
    FichiersSelection = static_cast<std::int16_t>(fichiers && *fichiers >= 0 && *fichiers <= 1 ? *fichiers : 0);
    const auto competences = l.Etat("CompetencesSelection");
    CompetencesSelection = static_cast<std::int16_t>(competences && *competences >= 0 && *competences <= 2 ? *competences : 0);
    const std::int16_t joueurs[2] = {Sature16(l.Leger("PersonnageJoueur1")), Sature16(l.Leger("PersonnageJoueur2"))};
    {
        const QSignalBlocker b1(TabStripFichiers), b2(TabStripCompBest);
        TabStripFichiers->setCurrentIndex(FichiersSelection);
        TabStripCompBest->setCurrentIndex(CompetencesSelection);
    }
    TabStripFichiers_Click();

    if (LstPerso->count() > 0) {
        const auto n = static_cast<std::int32_t>(std::min(l.Leger("NombrePersonnages"), 1e6));
        {
            const QSignalBlocker b(LstPerso);
            for (std::int32_t i = 0; i < n && i < LstPerso->count(); ++i)
                LstPerso->item(i)->setSelected(l.Leger("Personnage" + std::to_string(i)) != 0.0);
            const std::int16_t dernier = Sature16(l.Leger("DernierPersonnage"));
            const int courant = dernier >= 0 && dernier < LstPerso->count() ? dernier : 0;
            // The current character always takes part.
            LstPerso->setCurrentRow(courant, QItemSelectionModel::NoUpdate);
            LstPerso->item(courant)->setSelected(true);
        }
        // The two players' heroes as they were, when they still fit.
        Actualiser_Joueurs_Duo();
        for (int j = 0; j < 2; ++j) {
            const int v = joueurs[j];
            const QSignalBlocker b(ComboNomJoueur[j]);
            if (v >= 0 && v < ComboNomJoueur[j]->count()) ComboNomJoueur[j]->setCurrentIndex(v);
        }
        LstPerso_Click();
    }
    TabStripCompBest_Click();
}

void FrmParam::Form_Unload() {
    Principale_.Legende(" - déchargement...");
    ClsFicINI ini(Principale_.Programme().Dossier);
    ini.NomFichier = FichierIni;
    auto ecrire = [&](const std::string& cle, std::int64_t v) { ini.Parametre(cle, std::to_string(v)); };

    ini.Section = "Personnages";
    // The remembered choices follow the controls that show them now.
    FichiersSelection = static_cast<std::int16_t>(std::max(0, TabStripFichiers->currentIndex()));
    CompetencesSelection = static_cast<std::int16_t>(std::max(0, TabStripCompBest->currentIndex()));
    ecrire("FichiersSelection", FichiersSelection);
    ecrire("CompetencesSelection", CompetencesSelection);
    ecrire("CompetencesAfficherToutes", Principale_.MenuPersonnageCompetencesAfficherToutes->isChecked() ? 1 : 0);
    ecrire("CompetencesAffichage", Principale_.CompetencesAffichage);
    ecrire("NombrePersonnages", LstPerso->count());
    for (int i = 0; i < LstPerso->count(); ++i) ecrire("Personnage" + std::to_string(i), LstPerso->item(i)->isSelected() ? 1 : 0);
    // The current hero is the one on the sheet: the list's cursor may rest
    // on a hero the player has just unticked.
    const int fiche = Ligne_Fiche();
    if (fiche >= 0) ecrire("DernierPersonnage", fiche);
    else if (LstPerso->currentRow() >= 0) ecrire("DernierPersonnage", LstPerso->currentRow());
    // The two players' heroes as the lists show them now, whatever changed
    // them (a click, or a roster that lost or gained a hero).
    ecrire("PersonnageJoueur1", ComboNomJoueur[0]->currentIndex());
    ecrire("PersonnageJoueur2", ComboNomJoueur[1]->currentIndex());

    ini.Section = "Monde";
    ecrire("TypePartie", TabStripMonde->currentIndex());
    ecrire("DernierScenario", DernierScenario);
    ecrire("DernierMonde", DernierMonde);
    ecrire("TailleChoisie", ComboTaille->currentIndex() + 1);
    ecrire("TerrainChoisi", ComboTerrain->currentIndex() + 1);
    ecrire("RessourceChoisie", ComboRessources->currentIndex() + 1);
    ecrire("EpoqueChoisie", ComboEpoque->currentIndex() + 1);
    ecrire("ValLargeur", SliderLargeurCarte->value());
    ecrire("ValHauteur", SliderHauteurCarte->value());
    ecrire("ValQuantitéRessources", SliderNombreArbres->value());
    ecrire("DifficulteChoisie", ComboDifficulte->currentIndex() + 1);

    ini.Section = "Fiefs";
    ecrire("ValFiefs", SliderFiefs->value());
    ecrire("EquilibreFiefs", ValeurCoche(CheckEquilibreFiefs));
    for (std::size_t i = 0; i < SliderVillageois.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        ecrire("ValVillageoisFief" + n, SliderVillageois[i]->value());
        ecrire("PeupleFief" + n, ComboPeuple[i]->currentIndex() + 1);
        ecrire("EquipeFief" + n, ComboEquipe[i]->currentIndex() + 1);
    }

    for (int a = 0; a < 2; ++a) {
        ini.Section = "Armée_" + std::to_string(a + 1);
        ecrire("MinSoldats", SliderNombreSoldats[a]->minimum());
        ecrire("ValSoldats", SliderNombreSoldats[a]->value());
        ecrire("MaxSoldats", SliderNombreSoldats[a]->maximum());
        ecrire("Peuple", ComboArmee[a]->currentIndex() + 1);
        ecrire("Equipement", ValeurCoche(CheckEquipementArmee[a]));
        if (CheckEquipementArmee[a]->checkState() == Qt::Checked)
            for (int k = 0; k < LstObjets[a]->count(); ++k)
                ecrire("Objet" + std::to_string(k), LstObjets[a]->item(k)->isSelected() ? 1 : 0);
    }
}
