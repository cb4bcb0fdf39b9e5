#include "windows/FrmParam.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QTabBar>
#include <QVBoxLayout>

#include <cmath>
#include <fstream>

#include "platform/Chemins.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "windows/Demarrage.h"
#include "windows/MDIFrmMain.h"

namespace {

// The page's layout: the page takes the height of the view it scrolls in,
// or more when its controls need it, never the height its wrapped texts
// would like (that would make every page scroll).
class DispositionPage : public QVBoxLayout {
public:
    using QVBoxLayout::QVBoxLayout;
    bool hasHeightForWidth() const override { return false; }
};

QSlider* Curseur(QWidget* parent) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setMinimumWidth(110);
    return s;
}

QLabel* Valeur(QWidget* parent) {
    auto* l = new QLabel("0", parent);
    l->setMinimumWidth(34);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

int Nombre(const QLabel* l) { return static_cast<int>(Val(l->text().toStdString())); }

}  // namespace

FrmParam::FrmParam(MDIFrmMain& Principale, QWidget* parent) : QWidget(parent), Principale_(Principale) {
    setObjectName("FrmParam");
    Construire();
}

void FrmParam::Construire() {
    auto* racine = new QVBoxLayout(this);
    TabStripMonde = new QTabBar(this);
    for (const char* t : {"Monde personnalisé", "Champ de bataille", "Charger scénario", "Charger monde", "Mode 2 joueurs"})
        TabStripMonde->addTab(QString::fromUtf8(t));
    TabStripMonde->setExpanding(false);
    racine->addWidget(TabStripMonde);

    // The page of the tab scrolls when the screen is too small for it; the
    // start button below stays in sight whatever the page.
    auto* defilement = new QScrollArea(this);
    defilement->setObjectName("DefilementPage");
    defilement->setWidgetResizable(true);
    defilement->setFrameShape(QFrame::NoFrame);
    auto* page = new QWidget(defilement);
    auto* contenu = new DispositionPage(page);
    contenu->setContentsMargins(0, 0, 0, 0);
    auto* colonnes = new QHBoxLayout;
    contenu->addLayout(colonnes, 1);
    // Left: what the game is played on; right: the heroes.
    auto* gauche = new QVBoxLayout;
    colonnes->addLayout(gauche, 2);

    // ---- The world to generate ----
    FrameMonde = new QGroupBox("Monde", this);
    auto* gm = new QGridLayout(FrameMonde);
    ComboTaille = new QComboBox(FrameMonde);
    ComboRessources = new QComboBox(FrameMonde);
    ComboTerrain = new QComboBox(FrameMonde);
    ComboEpoque = new QComboBox(FrameMonde);
    ComboDifficulte = new QComboBox(FrameMonde);
    SliderLargeurCarte = Curseur(FrameMonde);
    SliderHauteurCarte = Curseur(FrameMonde);
    SliderNombreArbres = Curseur(FrameMonde);
    LblLargeurCarte = Valeur(FrameMonde);
    LblHauteurCarte = Valeur(FrameMonde);
    LblNombreArbres = Valeur(FrameMonde);
    int ligne = 0;
    auto rangee = [&](const char* texte, QWidget* w, QWidget* v = nullptr) {
        gm->addWidget(new QLabel(QString::fromUtf8(texte), FrameMonde), ligne, 0);
        gm->addWidget(w, ligne, 1);
        if (v) gm->addWidget(v, ligne, 2);
        ++ligne;
    };
    rangee("Taille :", ComboTaille);
    rangee("Largeur :", SliderLargeurCarte, LblLargeurCarte);
    rangee("Hauteur :", SliderHauteurCarte, LblHauteurCarte);
    rangee("Ressources :", ComboRessources);
    rangee("Quantité :", SliderNombreArbres, LblNombreArbres);
    rangee("Terrain :", ComboTerrain);
    rangee("Epoque :", ComboEpoque);
    rangee("Difficulté :", ComboDifficulte);
    gm->setRowStretch(ligne, 1);
    gauche->addWidget(FrameMonde);

    // ---- Under it: fiefs, armies, worlds to load, two players ----

    FrameFiefs = new QGroupBox("Fiefs", this);
    auto* gf = new QVBoxLayout(FrameFiefs);
    auto* hautFiefs = new QHBoxLayout;
    SliderFiefs = Curseur(FrameFiefs);
    LblFiefs = Valeur(FrameFiefs);
    CheckEquilibreFiefs = new QCheckBox("Equilibrer les fiefs", FrameFiefs);
    hautFiefs->addWidget(new QLabel("Nombre de fiefs :", FrameFiefs));
    hautFiefs->addWidget(SliderFiefs, 1);
    hautFiefs->addWidget(LblFiefs);
    gf->addLayout(hautFiefs);
    gf->addWidget(CheckEquilibreFiefs);
    lignesFiefs_ = new QWidget(FrameFiefs);
    auto* gl = new QGridLayout(lignesFiefs_);
    gl->setContentsMargins(0, 0, 0, 0);
    gl->addWidget(new QLabel("Fief", lignesFiefs_), 0, 0);
    gl->addWidget(new QLabel("Villageois", lignesFiefs_), 0, 1, 1, 2);
    gl->addWidget(new QLabel("Peuple", lignesFiefs_), 0, 3);
    gl->addWidget(new QLabel("Equipe", lignesFiefs_), 0, 4);
    gf->addWidget(lignesFiefs_);
    auto* total = new QHBoxLayout;
    LblTotalVillageois = Valeur(FrameFiefs);
    total->addStretch(1);
    total->addWidget(new QLabel("Total des villageois :", FrameFiefs));
    total->addWidget(LblTotalVillageois);
    gf->addLayout(total);
    gf->addStretch(1);
    gauche->addWidget(FrameFiefs, 1);

    FrameArmees = new QGroupBox("Armées", this);
    // One army above the other: side by side they would not fit the width
    // of a small screen beside the world and the heroes.
    auto* ga = new QVBoxLayout(FrameArmees);
    for (int a = 0; a < 2; ++a) {
        FrameArmee[a] = new QGroupBox(a == 0 ? QString::fromUtf8("Armée alliée") : QString::fromUtf8("Armée adverse"), FrameArmees);
        auto* g = new QGridLayout(FrameArmee[a]);
        SliderNombreSoldats[a] = Curseur(FrameArmee[a]);
        LblNombreSoldats[a] = Valeur(FrameArmee[a]);
        ComboArmee[a] = new QComboBox(FrameArmee[a]);
        CheckEquipementArmee[a] = new QCheckBox("Equipement :", FrameArmee[a]);
        LstObjets[a] = new QListWidget(FrameArmee[a]);
        LstObjets[a]->setSelectionMode(QAbstractItemView::MultiSelection);
        g->addWidget(new QLabel(a == 0 ? "Equipe : 1" : "Equipe : 2", FrameArmee[a]), 0, 0, 1, 3);
        g->addWidget(new QLabel("Soldats :", FrameArmee[a]), 1, 0);
        g->addWidget(SliderNombreSoldats[a], 1, 1);
        g->addWidget(LblNombreSoldats[a], 1, 2);
        g->addWidget(new QLabel("Peuple :", FrameArmee[a]), 2, 0);
        g->addWidget(ComboArmee[a], 2, 1, 1, 2);
        g->addWidget(CheckEquipementArmee[a], 3, 0, 1, 3);
        g->addWidget(LstObjets[a], 4, 0, 1, 3);
        // A hidden item list leaves its place empty below the other rows.
        g->setRowStretch(5, 1);
        ga->addWidget(FrameArmee[a]);
        connect(SliderNombreSoldats[a], &QSlider::valueChanged, this, [this, a] { SliderNombreSoldats_Change(a); });
        connect(CheckEquipementArmee[a], &QCheckBox::clicked, this, [this, a] { CheckEquipementArmee_Click(a); });
    }
    gauche->addWidget(FrameArmees, 1);

    FrameChargerMonde = new QGroupBox(QString::fromUtf8("Sélectionnez un monde"), this);
    auto* gc = new QVBoxLayout(FrameChargerMonde);
    LstMonde = new QListWidget(FrameChargerMonde);
    LblDescriptionMonde = new QLabel(FrameChargerMonde);
    LblDescriptionMonde->setWordWrap(true);
    LblDescriptionMonde->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    LblDescriptionMonde->setMinimumHeight(5 * LblDescriptionMonde->fontMetrics().height());
    ImgApercu = new QLabel(FrameChargerMonde);
    ImgApercu->setFixedSize(240, 180);
    ImgApercu->setAlignment(Qt::AlignCenter);
    gc->addWidget(LstMonde, 1);
    gc->addWidget(LblDescriptionMonde);
    gc->addWidget(ImgApercu, 0, Qt::AlignHCenter);
    gauche->addWidget(FrameChargerMonde, 1);

    FrameMode2Joueurs = new QGroupBox("Mode 2 joueurs", this);
    Construire_Duo(FrameMode2Joueurs);
    gauche->addWidget(FrameMode2Joueurs, 1);

    // ---- Right column: the heroes ----
    FramePersonnages = new QGroupBox("Personnages", this);
    Construire_Personnages(FramePersonnages);
    colonnes->addWidget(FramePersonnages, 3);
    defilement->setWidget(page);
    racine->addWidget(defilement, 1);

    // ---- The start, under the heroes ----
    auto* bas = new QHBoxLayout;
    CmdCommencer = new QPushButton("Commencer", this);
    CmdCommencer->setMinimumSize(200, 36);
    bas->addStretch(1);
    bas->addWidget(CmdCommencer);
    racine->addLayout(bas);

    // User actions only: filling the controls blocks their signals and runs
    // the handlers itself where the game wants them.
    connect(TabStripMonde, &QTabBar::currentChanged, this, [this] { TabStripMonde_Click(); });
    connect(ComboTaille, &QComboBox::activated, this, [this] { ComboTaille_Click(); });
    connect(ComboRessources, &QComboBox::activated, this, [this] { ComboTaille_Click(); });
    connect(SliderLargeurCarte, &QSlider::valueChanged, this, [this] { SliderLargeurCarte_Change(); });
    connect(SliderHauteurCarte, &QSlider::valueChanged, this, [this] { SliderHauteurCarte_Change(); });
    connect(SliderNombreArbres, &QSlider::valueChanged, this, [this] { SliderNombreArbres_Change(); });
    connect(SliderFiefs, &QSlider::valueChanged, this, [this] { SliderFiefs_Change(); });
    connect(CheckEquilibreFiefs, &QCheckBox::clicked, this, [this] { CheckEquilibreFiefs_Click(); });
    connect(LstMonde, &QListWidget::currentRowChanged, this, [this] { LstMonde_Click(); });
    LstMonde->viewport()->installEventFilter(this);
    LstPerso->viewport()->installEventFilter(this);
    LstCompetences->viewport()->installEventFilter(this);
    connect(CmdCommencer, &QPushButton::clicked, this, [this] { CmdCommencer_Click(); });
    // The network panel goes under the columns, in the page.
    Construire_Reseau(contenu);
}

bool FrmParam::eventFilter(QObject* objet, QEvent* evenement) {
    // The right button opens the list's menu of the main window where it
    // was pressed, and leaves the list's selection as it was.
    if (evenement->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(evenement)->button() == Qt::RightButton) {
        const QPoint ou = static_cast<QMouseEvent*>(evenement)->globalPosition().toPoint();
        if (objet == LstMonde->viewport()) {
            Principale_.MenuMonde->popup(ou);
            return true;
        }
        if (objet == LstPerso->viewport()) {
            Principale_.MenuPersonnage->popup(ou);
            return true;
        }
        if (objet == LstCompetences->viewport()) {
            Principale_.MenuPersonnageCompetences->popup(ou);
            return true;
        }
    }
    return QWidget::eventFilter(objet, evenement);
}

void FrmParam::Ajouter_Ligne_Fief(int i) {
    auto* gl = static_cast<QGridLayout*>(lignesFiefs_->layout());
    auto* numero = new QLabel(QString::number(i + 1), lignesFiefs_);
    auto* curseur = Curseur(lignesFiefs_);
    if (!SliderVillageois.empty()) curseur->setRange(SliderVillageois[0]->minimum(), SliderVillageois[0]->maximum());
    auto* valeur = Valeur(lignesFiefs_);
    auto* peuple = new QComboBox(lignesFiefs_);
    auto* equipe = new QComboBox(lignesFiefs_);
    gl->addWidget(numero, i + 1, 0);
    gl->addWidget(curseur, i + 1, 1);
    gl->addWidget(valeur, i + 1, 2);
    gl->addWidget(peuple, i + 1, 3);
    gl->addWidget(equipe, i + 1, 4);
    LblNumeroFief.push_back(numero);
    SliderVillageois.push_back(curseur);
    LblVillageois.push_back(valeur);
    ComboPeuple.push_back(peuple);
    ComboEquipe.push_back(equipe);
    connect(curseur, &QSlider::valueChanged, this, [this, i] { SliderVillageois_Change(i); });
}

bool FrmParam::Sur_Onglet(const char* cle) const { return TypePartie() == cle; }

std::string FrmParam::TypePartie() const {
    const int i = TabStripMonde->currentIndex();
    return i >= 0 && i < 5 ? ClesMonde[i] : std::string();
}

// ---- Game type and world list ----

void FrmParam::TabStripMonde_Click() {
    const bool nouveau = Sur_Onglet(SetupChoices::NouveauMonde);
    const bool bataille = Sur_Onglet(SetupChoices::NouvelleBataille);
    const bool scenario = Sur_Onglet(SetupChoices::ChargerScenario);
    const bool charger = scenario || Sur_Onglet(SetupChoices::ChargerMonde);
    FrameMonde->setVisible(nouveau || bataille);
    FrameFiefs->setVisible(nouveau);
    FrameArmees->setVisible(bataille);
    FrameChargerMonde->setVisible(charger);
    Principale_.MenuMonde->setEnabled(charger);
    Principale_.MenuMonde->menuAction()->setEnabled(charger);
    if (charger) {
        Principale_.MenuMondeEditer->setVisible(scenario);
        Actualiser_Liste_Mondes();
    }
    FrameMode2Joueurs->setVisible(Sur_Onglet("Mode2Joueurs"));
    if (PanneauReseau) PanneauReseau->setVisible(nouveau || bataille);
    Actualiser_Bouton_Commencer();
}

void FrmParam::Actualiser_Liste_Mondes() {
    LblDescriptionMonde->clear();
    ImgApercu->clear();
    const bool scenario = Sur_Onglet(SetupChoices::ChargerScenario);
    const ModSAVMonde& sav = *Principale_.Programme().SavMonde;
    DossierFileMonde = sav.Dossier_Mondes(scenario).string();
    FileMonde = sav.Liste_Fichiers(scenario);
    {
        const QSignalBlocker bloque(LstMonde);
        LstMonde->clear();
        for (const std::string& f : FileMonde) LstMonde->addItem(QString::fromStdString(f.substr(0, f.find('.'))));
    }
    if (!FileMonde.empty()) {
        const int dernier = scenario ? DernierScenario : DernierMonde;
        const int n = static_cast<int>(FileMonde.size());
        {
            const QSignalBlocker bloque(LstMonde);
            LstMonde->setCurrentRow(dernier >= 0 && dernier < n ? dernier : 0);
        }
        LstMonde_Click();
    }
    Actualiser_Bouton_Commencer();
}

void FrmParam::LstMonde_Click() {
    const int i = LstMonde->currentRow();
    if (i < 0) return;
    if (Sur_Onglet(SetupChoices::ChargerScenario)) DernierScenario = static_cast<std::int16_t>(i);
    else DernierMonde = static_cast<std::int16_t>(i);
    FileMonde_Click();
}

void FrmParam::FileMonde_Click() {
    const int i = LstMonde->currentRow();
    if (i >= 0 && static_cast<std::size_t>(i) < FileMonde.size()) {
        const std::string& f = FileMonde[static_cast<std::size_t>(i)];
        const std::string nom = f.substr(0, f.find('.'));
        const auto base = std::filesystem::path(DossierFileMonde);
        // The description's lines are joined by line breaks; a first line
        // that is empty leaves the whole description empty.
        std::ifstream texte(CheminJeu(base, nom + ".txt"));
        std::string ligne, description;
        if (texte && std::getline(texte, ligne)) {
            if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
            description = ligne;
            while (!description.empty() && std::getline(texte, ligne)) {
                if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
                description += "\n" + ligne;
            }
        }
        LblDescriptionMonde->setText(QString::fromStdString(description));
        ImgApercu->clear();
        QPixmap apercu(QString::fromStdString(CheminJeu(base, nom + ".gif").string()));
        if (!apercu.isNull()) ImgApercu->setPixmap(apercu.scaled(ImgApercu->size(), Qt::KeepAspectRatio));
    }
    Actualiser_Bouton_Commencer();
}

void FrmParam::Actualiser_Bouton_Commencer() {
    const bool persos = LstPerso->count() > 0;
    const bool charger = Sur_Onglet(SetupChoices::ChargerScenario) || Sur_Onglet(SetupChoices::ChargerMonde);
    const bool pret = charger ? (!FileMonde.empty() && LstMonde->currentRow() >= 0 && persos) : persos;
    // The menu item follows the button: on the two-player tab there is no
    // world to start with.
    pret_ = pret && !Sur_Onglet("Mode2Joueurs");
    CmdCommencer->setEnabled(pret_);
    Principale_.MenuPartieCommencer->setEnabled(pret_);
}

// ---- World parameters ----

void FrmParam::ComboTaille_Click() {
    const int s = ComboTaille->currentIndex();
    const int r = ComboRessources->currentIndex();
    if (r < 0 || s < 0 || TailleFiefs.empty() || static_cast<int>(SliderVillageois.size()) < TailleFiefs[0]) return;
    {
        const QSignalBlocker b1(SliderLargeurCarte), b2(SliderHauteurCarte), b3(SliderNombreArbres), b4(SliderFiefs);
        SliderLargeurCarte->setValue(TailleLargeurs[static_cast<std::size_t>(s)]);
        SliderHauteurCarte->setValue(TailleHauteurs[static_cast<std::size_t>(s)]);
        SliderNombreArbres->setValue(
            Sature32(Arrondi(TailleRessources[static_cast<std::size_t>(s)] * RessourceMultiplicateurs[static_cast<std::size_t>(r)])));
        SliderFiefs->setValue(TailleFiefs[static_cast<std::size_t>(s)]);
    }
    SliderHauteurCarte_Change();
    SliderLargeurCarte_Change();
    SliderNombreArbres_Change();
    // The fief rows follow the size on the only tab that shows them; the
    // label keeps the slider's value for the other tabs too.
    if (Sur_Onglet(SetupChoices::NouveauMonde)) SliderFiefs_Change();
    else LblFiefs->setNum(SliderFiefs->value());
}

void FrmParam::SliderLargeurCarte_Change() { LblLargeurCarte->setNum(SliderLargeurCarte->value()); }
void FrmParam::SliderHauteurCarte_Change() { LblHauteurCarte->setNum(SliderHauteurCarte->value()); }
void FrmParam::SliderNombreArbres_Change() { LblNombreArbres->setNum(SliderNombreArbres->value()); }

void FrmParam::SliderFiefs_Change() {
    const int n = SliderFiefs->value();
    LblFiefs->setNum(n);
    for (std::size_t i = 0; i < SliderVillageois.size(); ++i) {
        const bool visible = static_cast<int>(i) < n;
        for (QWidget* w : {static_cast<QWidget*>(LblNumeroFief[i]), static_cast<QWidget*>(SliderVillageois[i]),
                           static_cast<QWidget*>(LblVillageois[i]), static_cast<QWidget*>(ComboPeuple[i]),
                           static_cast<QWidget*>(ComboEquipe[i])})
            w->setVisible(visible);
        SliderVillageois_Change(static_cast<int>(i));
    }
}

void FrmParam::SliderVillageois_Change(int Index) {
    if (Index < 0 || static_cast<std::size_t>(Index) >= SliderVillageois.size()) return;
    const int v = SliderVillageois[static_cast<std::size_t>(Index)]->value();
    if (CheckEquilibreFiefs->checkState() == Qt::Checked) {
        for (std::size_t i = 0; i < SliderVillageois.size(); ++i) {
            LblVillageois[i]->setNum(v);
            const QSignalBlocker b(SliderVillageois[i]);
            SliderVillageois[i]->setValue(v);
        }
    } else {
        LblVillageois[static_cast<std::size_t>(Index)]->setNum(v);
    }
    int total = 0;
    for (int i = 0; i < SliderFiefs->value() && static_cast<std::size_t>(i) < LblVillageois.size(); ++i)
        total += Nombre(LblVillageois[static_cast<std::size_t>(i)]);
    LblTotalVillageois->setNum(total);
}

void FrmParam::CheckEquilibreFiefs_Click() { SliderVillageois_Change(0); }

void FrmParam::SliderNombreSoldats_Change(int Index) {
    LblNombreSoldats[Index]->setNum(SliderNombreSoldats[Index]->value());
}

void FrmParam::CheckEquipementArmee_Click(int Index) {
    LstObjets[Index]->setVisible(CheckEquipementArmee[Index]->checkState() == Qt::Checked);
}

// ---- Start ----

std::int32_t FrmParam::BonusXP() const {
    const int i = ComboDifficulte->currentIndex();
    return i >= 0 && static_cast<std::size_t>(i) < DifficulteBonusXP.size() ? DifficulteBonusXP[static_cast<std::size_t>(i)] : 0;
}

SetupChoices FrmParam::Choix() const {
    SetupChoices c;
    c.Mode = TypePartie();
    c.LargeurCarte = Nombre(LblLargeurCarte);
    c.HauteurCarte = Nombre(LblHauteurCarte);
    c.NombreRessources = Nombre(LblNombreArbres);
    // A list without selection counts as its first entry: an index of -1
    // would name no world type and no era.
    c.TypeMonde = static_cast<std::int16_t>(std::max(0, ComboTerrain->currentIndex()));
    c.Epoque = static_cast<std::int16_t>(std::max(0, ComboEpoque->currentIndex()));
    const int i = LstMonde->currentRow();
    if (i >= 0 && static_cast<std::size_t>(i) < FileMonde.size()) c.FichierMonde = FileMonde[static_cast<std::size_t>(i)];
    const int fiefs = std::min<int>(Nombre(LblFiefs), static_cast<int>(ComboPeuple.size()));
    for (int f = 0; f < fiefs; ++f) {
        const auto k = static_cast<std::size_t>(f);
        c.Fiefs.push_back({std::max(0, ComboEquipe[k]->currentIndex()),
                           static_cast<std::int16_t>(std::max(0, ComboPeuple[k]->currentIndex())),
                           Nombre(LblVillageois[k])});
    }
    for (int a = 0; a < 2; ++a) {
        SetupChoices::Armee& armee = c.Armees[a];
        armee.Soldats = Nombre(LblNombreSoldats[a]);
        armee.Peuple = static_cast<std::int16_t>(std::max(0, ComboArmee[a]->currentIndex()));
        armee.Equipement = CheckEquipementArmee[a]->checkState() == Qt::Checked;
        for (int k = 0; k < LstObjets[a]->count(); ++k)
            if (LstObjets[a]->item(k)->isSelected()) armee.Objets.push_back(LstObjets[a]->item(k)->text().toStdString());
    }
    for (int k = 0; k < LstPerso->count(); ++k)
        if (LstPerso->item(k)->isSelected()) c.Heros.push_back(LstPerso->item(k)->text().toStdString());
    c.NomJoueur = LblNom->text().toStdString();
    // Two local players only while the box is both ticked and enabled (it
    // is disabled while both players name one hero).
    c.NombreJoueursLocaux = CheckJouera2->isChecked() && CheckJouera2->isEnabled() ? 2 : 1;
    for (int j = 0; j < 2; ++j) c.NomsJoueurs[j] = ComboNomJoueur[j]->currentText().toStdString();
    c.BonusXP = BonusXP();
    Choix_Reseau(c);
    return c;
}

void FrmParam::CmdCommencer_Click() {
    // The start rule holds for every way in: button, menu item, F5.
    if (!pret_) return;
    TimerApparence->stop();
    Principale_.Commencer_Partie();
}
