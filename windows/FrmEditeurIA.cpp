#include "windows/FrmEditeurIA.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "ai/ClsJeuIA2.h"
#include "ai/ModIA2.h"
#include "engine/ModMain.h"
#include "platform/Chemins.h"
#include "platform/Dialogues.h"
#include "platform/DossierJeu.h"
#include "platform/ModVisionneurs.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "platform/qt/DialoguesQt.h"
#include "rules/ClsJeuParam.h"
#include "windows/LanceurQt.h"

namespace fs = std::filesystem;

namespace {

const char* const Legende = "Editeur d'Intelligence Artificielle";
const char* const Avertissement =
    "Attention : toutes les modifications que vous ferez avec cet éditeur pourra occasionner un mauvais "
    "fonctionnement du programme. Il est déconseillé de modifier les IAs déjà éxistantes. Si vous voulez ajouter "
    "une nouvelle IA, référez-vous au manuel dans le menu \"?\" avant de commencer. En cas de problème, supprimez "
    "les IAs que vous aurez ajouté.";
const char* const TexteModePacifiste = "Changer Mode --> Pacifiste";
const char* const TexteModeCombatif = "Changer Mode --> Combatif";

const char* const Categories[9] = {"&Collecter ressources", "Construire &batiment", "&Equiper objet",
                                   "&Travailler",           "&Patrouiller",         "Attaquer &ennemi",
                                   "Attaquer &donjon",      "Changer &mode",        "&Gagner x argent"};
const char* const Presets[8] = {"1", "5", "10", "20", "4000", "2000", "1000", "250"};
// Slider 0 holds resources and items, slider 1 money.
constexpr int MaxQuantite[2] = {20, 4000};

// Preview cells: item icons are 32 x 32; 17 cells per row.
constexpr int CelluleLargeur = 34, CelluleHauteur = 34, CellulesParLigne = 17;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A description or a comment is one line of the script file: a line break
// typed or pasted in would cut the file. Control characters become blanks.
QString UneLigne(const QString& texte) {
    QString s = texte;
    for (QChar& c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return s;
}

// The player's script files: the regular files at the root of the scripts
// folder, hidden ones left out, in the order the library loads them.
std::vector<std::string> FichiersRacine(const fs::path& dossier) {
    std::vector<std::string> noms;
    std::error_code ec;
    fs::directory_iterator it(dossier, ec);
    if (ec) return noms;
    for (const fs::directory_entry& e : it) {
        std::string nom = e.path().filename().string();
        std::error_code ec2;
        if (nom.empty() || nom.front() == '.' || !e.is_regular_file(ec2)) continue;
        noms.push_back(std::move(nom));
    }
    std::sort(noms.begin(), noms.end(), [](const std::string& a, const std::string& b) {
        const std::string ma = MinusculesAscii(a), mb = MinusculesAscii(b);
        return ma != mb ? ma < mb : a < b;
    });
    return noms;
}

bool Existe(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

}  // namespace

FrmEditeurIA::FrmEditeurIA(ModMain& Main, QWidget* Parent, Dialogues* Questions, LanceurExterne* Lanceur,
                           AvertisseurErreur* Avertisseur)
    : FrmEditeurIA(Main.IA2, Main.Parametres, Main.Dossier, Parent, Questions, Lanceur, Avertisseur) {}

FrmEditeurIA::FrmEditeurIA(ModIA2& IA2_, const ClsJeuParam& Parametres_, DossierJeu& Dossier_, QWidget* Parent,
                           Dialogues* Questions, LanceurExterne* Lanceur, AvertisseurErreur* Avertisseur)
    : QMainWindow(Parent), IA2(IA2_), Parametres(Parametres_), Dossier(Dossier_) {
    if (!Questions) questionsPropres_ = std::make_unique<DialoguesQt>(this);
    if (!Lanceur) lanceurPropre_ = std::make_unique<LanceurQt>();
    if (!Avertisseur) avertisseurPropre_ = std::make_unique<AvertisseurQt>();
    Questions_ = Questions ? Questions : questionsPropres_.get();
    Lanceur_ = Lanceur ? Lanceur : lanceurPropre_.get();
    Avertisseur_ = Avertisseur ? Avertisseur : avertisseurPropre_.get();

    setObjectName("FrmEditeurIA");
    setWindowTitle(Legende);
    setAttribute(Qt::WA_DeleteOnClose);
    Construire_Controles();
    Construire_Menus();
    Connecter();
    Charger();
}

FrmEditeurIA::~FrmEditeurIA() = default;

void FrmEditeurIA::Definir_APropos(std::function<void()> Ouvrir) {
    APropos_ = std::move(Ouvrir);
    MenuAideAPropos->setEnabled(static_cast<bool>(APropos_));
}

// ---- Construction ----

void FrmEditeurIA::Construire_Controles() {
    auto* centre = new QWidget(this);
    setCentralWidget(centre);
    auto* grille = new QGridLayout(centre);

    // Files.
    auto* cadreFichiers = new QGroupBox("Fichiers IAs", centre);
    auto* vf = new QVBoxLayout(cadreFichiers);
    FileIAs = new QListWidget(cadreFichiers);
    FileIAs->setObjectName("FileIAs");
    FileIAs->setContextMenuPolicy(Qt::CustomContextMenu);
    vf->addWidget(FileIAs);
    auto* boutonsFichiers = new QGridLayout;
    auto bouton = [](const char* texte, const char* nom, QWidget* parent) {
        auto* b = new QPushButton(texte, parent);
        b->setObjectName(nom);
        return b;
    };
    CmdNouveau = bouton("Nouveau", "CmdNouveau", cadreFichiers);
    CmdDuppliquer = bouton("Duppliquer", "CmdDuppliquer", cadreFichiers);
    CmdRenommer = bouton("Renommer", "CmdRenommer", cadreFichiers);
    CmsSupprimerIA = bouton("Supprimer", "CmsSupprimerIA", cadreFichiers);
    boutonsFichiers->addWidget(CmdNouveau, 0, 0);
    boutonsFichiers->addWidget(CmdDuppliquer, 0, 1);
    boutonsFichiers->addWidget(CmdRenommer, 1, 0);
    boutonsFichiers->addWidget(CmsSupprimerIA, 1, 1);
    vf->addLayout(boutonsFichiers);
    cadreFichiers->setFixedWidth(180);
    grille->addWidget(cadreFichiers, 0, 0, 3, 1);

    // Description and era.
    auto* haut = new QVBoxLayout;
    haut->addWidget(new QLabel("Commentaire général :", centre));
    TxtDescription = new QLineEdit(centre);
    TxtDescription->setObjectName("TxtDescription");
    haut->addWidget(TxtDescription);
    FrameEpoque = new QGroupBox("Epoque", centre);
    FrameEpoque->setObjectName("FrameEpoque");
    auto* ge = new QGridLayout(FrameEpoque);
    ge->addWidget(new QLabel("Changer :", FrameEpoque), 0, 0);
    SliderEpoque = new QSlider(Qt::Horizontal, FrameEpoque);
    SliderEpoque->setObjectName("SliderEpoque");
    SliderEpoque->setTickPosition(QSlider::TicksBelow);
    SliderEpoque->setPageStep(1);
    ge->addWidget(SliderEpoque, 0, 1);
    LblEpoque = new QLabel(FrameEpoque);
    LblEpoque->setObjectName("LblEpoque");
    LblEpoque->setMinimumWidth(120);
    ge->addWidget(LblEpoque, 0, 2);
    TxtCommentaire = new QLineEdit(FrameEpoque);
    TxtCommentaire->setObjectName("TxtCommentaire");
    ge->addWidget(TxtCommentaire, 1, 0, 1, 3);
    haut->addWidget(FrameEpoque);
    grille->addLayout(haut, 0, 1, 1, 3);

    // Steps of the era.
    FrameActions = new QGroupBox("Liste des actions de l'époque", centre);
    FrameActions->setObjectName("FrameActions");
    auto* ga = new QGridLayout(FrameActions);
    LstActions = new QListWidget(FrameActions);
    LstActions->setObjectName("LstActions");
    LstActions->setContextMenuPolicy(Qt::CustomContextMenu);
    LstActions->setMinimumWidth(200);
    ga->addWidget(LstActions, 0, 0, 4, 1);
    for (int s = 0; s < 2; ++s) {
        CmdDeplacer[s] = new QToolButton(FrameActions);
        CmdDeplacer[s]->setObjectName(QString("CmdDeplacer_%1").arg(s));
        CmdDeplacer[s]->setArrowType(s == 0 ? Qt::UpArrow : Qt::DownArrow);
        CmdDeplacer[s]->setToolTip(s == 0 ? "Précédent" : "Suivant");
        ga->addWidget(CmdDeplacer[s], s, 1);
    }
    auto* boutonsEtapes = new QHBoxLayout;
    CmdInserer = bouton("Ajouter", "CmdInserer", FrameActions);
    CmdSupprimer = bouton("Supprimer", "CmdSupprimer", FrameActions);
    boutonsEtapes->addWidget(CmdInserer);
    boutonsEtapes->addWidget(CmdSupprimer);
    ga->addLayout(boutonsEtapes, 4, 0, 1, 2);
    grille->addWidget(FrameActions, 1, 1, 2, 1);

    // Category of the selected step.
    FrameCategories = new QGroupBox(centre);
    FrameCategories->setObjectName("FrameCategories");
    auto* vc = new QVBoxLayout(FrameCategories);
    GroupeOptions = new QButtonGroup(this);
    for (int i = 0; i < 9; ++i) {
        OptionAction[i] = new QRadioButton(Categories[i], FrameCategories);
        OptionAction[i]->setObjectName(QString("OptionAction_%1").arg(i));
        GroupeOptions->addButton(OptionAction[i], i);
        vc->addWidget(OptionAction[i]);
    }
    vc->addStretch();
    grille->addWidget(FrameCategories, 1, 2, 2, 1);

    // Value and quantity.
    auto* droite = new QVBoxLayout;
    FrameDesignation = new QGroupBox("Désignation", centre);
    FrameDesignation->setObjectName("FrameDesignation");
    auto* vd = new QVBoxLayout(FrameDesignation);
    for (int l = 0; l < 2; ++l) {
        LstValeur[l] = new QListWidget(FrameDesignation);
        LstValeur[l]->setObjectName(QString("LstValeur_%1").arg(l));
        LstValeur[l]->setMinimumWidth(240);
        vd->addWidget(LstValeur[l]);
    }
    droite->addWidget(FrameDesignation, 1);
    FrameQuantite = new QGroupBox("Quantité", centre);
    FrameQuantite->setObjectName("FrameQuantite");
    auto* gq = new QGridLayout(FrameQuantite);
    for (int s = 0; s < 2; ++s) {
        SliderQuantite[s] = new QSlider(Qt::Horizontal, FrameQuantite);
        SliderQuantite[s]->setObjectName(QString("SliderQuantite_%1").arg(s));
        SliderQuantite[s]->setRange(0, MaxQuantite[s]);
        SliderQuantite[s]->setSingleStep(1);
        SliderQuantite[s]->setPageStep(5);
        // Only one slider is shown at a time: both take the same row.
        gq->addWidget(SliderQuantite[s], 0, 0, 1, 4);
    }
    LblQuantite = new QLabel(FrameQuantite);
    LblQuantite->setObjectName("LblQuantite");
    LblQuantite->setMinimumWidth(48);
    LblQuantite->setAlignment(Qt::AlignCenter);
    gq->addWidget(LblQuantite, 0, 4);
    for (int s = 0; s < 2; ++s) {
        CmdModifierQuantite[s] = new QPushButton(s == 0 ? "+" : "-", FrameQuantite);
        CmdModifierQuantite[s]->setObjectName(QString("CmdModifierQuantite_%1").arg(s));
        CmdModifierQuantite[s]->setMaximumWidth(40);
        gq->addWidget(CmdModifierQuantite[s], 0, 5 + s);
    }
    for (int k = 0; k < 8; ++k) {
        CmdQuantite[k] = new QPushButton(Presets[k], FrameQuantite);
        CmdQuantite[k]->setObjectName(QString("CmdQuantite_%1").arg(k));
        CmdQuantite[k]->setMinimumWidth(44);
        CmdQuantite[k]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        // Each set of presets takes the same row: only one set is shown.
        gq->addWidget(CmdQuantite[k], 1, k % 4);
    }
    droite->addWidget(FrameQuantite);
    grille->addLayout(droite, 1, 3, 2, 1);

    // Preview of the equipment, era by era: cell k lies right of cell k - 1,
    // and cell 17 starts a second row.
    auto* cadreApercu = new QGroupBox("Aperçu de l'équipement selon les époques :", centre);
    auto* va = new QVBoxLayout(cadreApercu);
    auto* zone = new QWidget(cadreApercu);
    zone->setFixedSize(CellulesParLigne * CelluleLargeur, 2 * CelluleHauteur);
    for (int k = 0; k < NombreCellules; ++k) {
        const int x = (k % CellulesParLigne) * CelluleLargeur, y = (k / CellulesParLigne) * CelluleHauteur;
        ImgApercu[k] = new QLabel(zone);
        ImgApercu[k]->setObjectName(QString("ImgApercu_%1").arg(k));
        ImgApercu[k]->setGeometry(x, y, CelluleLargeur, CelluleHauteur);
        ImgApercu[k]->setAlignment(Qt::AlignCenter);
        LblApercu[k] = new QLabel(zone);
        LblApercu[k]->setObjectName(QString("LblApercu_%1").arg(k));
        LblApercu[k]->setGeometry(x, y, CelluleLargeur, CelluleHauteur);
        LblApercu[k]->setAlignment(Qt::AlignCenter);
        ImgApercu[k]->hide();
        LblApercu[k]->hide();
    }
    va->addWidget(zone);
    cadreApercu->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    grille->addWidget(cadreApercu, 3, 0, 1, 4);

    auto* attention = new QLabel(Avertissement, centre);
    attention->setObjectName("LblAvertissement");
    attention->setWordWrap(true);
    grille->addWidget(attention, 4, 0, 1, 4);
    grille->setRowStretch(1, 1);
    // Panes that come and go with the step's category keep their place,
    // so that the window does not jump from one step to the next.
    for (QWidget* w : {static_cast<QWidget*>(FrameDesignation), static_cast<QWidget*>(FrameQuantite)}) {
        QSizePolicy sp = w->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        w->setSizePolicy(sp);
    }
    FrameDesignation->setMinimumWidth(260);
    resize(980, 640);
}

void FrmEditeurIA::Construire_Menus() {
    auto action = [this](QMenu* menu, const char* texte, const char* nom) {
        QAction* a = menu->addAction(texte);
        a->setObjectName(nom);
        return a;
    };
    MenuFichier = menuBar()->addMenu("&Fichiers IAs");
    MenuFichier->setObjectName("MenuFichier");
    MenuFichierNouveau = action(MenuFichier, "&Nouveau", "MenuFichierNouveau");
    MenuFichierDuppliquer = action(MenuFichier, "&Duppliquer", "MenuFichierDuppliquer");
    MenuFichierRenommer = action(MenuFichier, "&Renommer", "MenuFichierRenommer");
    MenuFichierEnregistrer = action(MenuFichier, "&Enregistrer", "MenuFichierEnregistrer");
    MenuFichierSupprimer = action(MenuFichier, "&Supprimer", "MenuFichierSupprimer");
    MenuFichier->addSeparator();
    MenuFichierQuitter = action(MenuFichier, "&Quitter", "MenuFichierQuitter");

    MenuActions = menuBar()->addMenu("&Actions");
    MenuActions->setObjectName("MenuActions");
    MenuActionEpoque = MenuActions->addMenu("&Epoque");
    MenuActionEpoque->setObjectName("MenuActionEpoque");
    MenuActionEpoqueChanger[0] = action(MenuActionEpoque, "&Précédente", "MenuActionEpoqueChanger_0");
    MenuActionEpoqueChanger[1] = action(MenuActionEpoque, "&Suivante", "MenuActionEpoqueChanger_1");
    MenuActions->addSeparator();
    MenuActionsPrecedent = action(MenuActions, "&Précédent", "MenuActionsPrecedent");
    MenuActionsSuivant = action(MenuActions, "&Suivant", "MenuActionsSuivant");
    MenuActions->addSeparator();
    MenuActionInserer = action(MenuActions, "&Ajouter", "MenuActionInserer");
    MenuActionsSupprimer = action(MenuActions, "S&upprimer", "MenuActionsSupprimer");

    MenuAide = menuBar()->addMenu("&?");
    MenuAide->setObjectName("MenuAide");
    MenuAideManuel = action(MenuAide, "&Manuel", "MenuAideManuel");
    MenuAide->addSeparator();
    MenuAideAPropos = action(MenuAide, "&A propos", "MenuAideAPropos");
    MenuAideAPropos->setEnabled(false);
}

void FrmEditeurIA::Connecter() {
    connect(FileIAs, &QListWidget::currentRowChanged, this, [this] { Afficher_Script(); });
    connect(LstActions, &QListWidget::currentRowChanged, this, [this] { Afficher_Edition_Etape(); });
    connect(SliderEpoque, &QSlider::valueChanged, this, [this] { Epoque_Changee(); });
    for (int s = 0; s < 2; ++s) {
        connect(MenuActionEpoqueChanger[s], &QAction::triggered, this, [this, s] { Changer_Epoque(s == 0 ? -1 : 1); });
        connect(SliderQuantite[s], &QSlider::valueChanged, this, [this, s] { Quantite_Changee(s, true); });
        connect(CmdModifierQuantite[s], &QPushButton::clicked, this, [this, s] { Modifier_Quantite(s == 0 ? 1 : -1); });
        connect(CmdDeplacer[s], &QToolButton::clicked, this, [this, s] { Deplacer_Etape(s); });
        connect(LstValeur[s], &QListWidget::currentRowChanged, this, [this, s] { Choisir_Valeur(s); });
    }
    connect(TxtDescription, &QLineEdit::textChanged, this, &FrmEditeurIA::Description_Changee);
    connect(TxtCommentaire, &QLineEdit::textChanged, this, &FrmEditeurIA::Commentaire_Changee);
    connect(GroupeOptions, &QButtonGroup::idToggled, this, [this](int id, bool coche) {
        if (coche) Choisir_Categorie(id);
    });
    for (int k = 0; k < 8; ++k)
        connect(CmdQuantite[k], &QPushButton::clicked, this, [this, k] { Quantite_Predefinie(k); });
    connect(MenuActionsPrecedent, &QAction::triggered, this, [this] { Deplacer_Etape(0); });
    connect(MenuActionsSuivant, &QAction::triggered, this, [this] { Deplacer_Etape(1); });
    connect(CmdInserer, &QPushButton::clicked, this, &FrmEditeurIA::Ajouter_Etape);
    connect(MenuActionInserer, &QAction::triggered, this, &FrmEditeurIA::Ajouter_Etape);
    connect(CmdSupprimer, &QPushButton::clicked, this, &FrmEditeurIA::Supprimer_Etape);
    connect(MenuActionsSupprimer, &QAction::triggered, this, &FrmEditeurIA::Supprimer_Etape);
    connect(CmdNouveau, &QPushButton::clicked, this, &FrmEditeurIA::Nouvelle_IA);
    connect(MenuFichierNouveau, &QAction::triggered, this, &FrmEditeurIA::Nouvelle_IA);
    connect(CmdDuppliquer, &QPushButton::clicked, this, &FrmEditeurIA::Dupliquer_IA);
    connect(MenuFichierDuppliquer, &QAction::triggered, this, &FrmEditeurIA::Dupliquer_IA);
    connect(CmdRenommer, &QPushButton::clicked, this, &FrmEditeurIA::Renommer_IA);
    connect(MenuFichierRenommer, &QAction::triggered, this, &FrmEditeurIA::Renommer_IA);
    connect(CmsSupprimerIA, &QPushButton::clicked, this, &FrmEditeurIA::Supprimer_IA);
    connect(MenuFichierSupprimer, &QAction::triggered, this, &FrmEditeurIA::Supprimer_IA);
    connect(MenuFichierEnregistrer, &QAction::triggered, this, [this] { Enregistrer(); });
    connect(MenuFichierQuitter, &QAction::triggered, this, &QWidget::close);
    connect(MenuAideManuel, &QAction::triggered, this, &FrmEditeurIA::Ouvrir_Manuel);
    connect(MenuAideAPropos, &QAction::triggered, this, [this] {
        if (APropos_) APropos_();
    });
    connect(FileIAs, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { MenuFichier->popup(FileIAs->viewport()->mapToGlobal(p)); });
    connect(LstActions, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { MenuActions->popup(LstActions->viewport()->mapToGlobal(p)); });
}

// ---- Load and close ----

void FrmEditeurIA::Charger() {
    Rafraichir_Liste_Fichiers();
    {
        const QSignalBlocker b(SliderEpoque);
        SliderEpoque->setRange(0, std::max<int>(Parametres.NombreEpoques - 1, 0));
        SliderEpoque->setValue(0);
    }
    Epoque_Changee();
}

void FrmEditeurIA::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centree_ || !parentWidget()) return;
    centree_ = true;
    const QRect p = parentWidget()->window()->frameGeometry();
    move(p.left() + (p.width() - frameGeometry().width()) / 2, p.top() + (p.height() - frameGeometry().height()) / 2);
}

void FrmEditeurIA::closeEvent(QCloseEvent* event) {
    if (fermee_) {
        event->accept();
        return;
    }
    if (Modifie_ && Questions_->Question("Voulez vous Enregistrer les modifications avant de quitter ?", Legende) &&
        !Enregistrer()) {
        // The files could not be written: reloading now would lose the
        // edits, so the window stays open.
        event->ignore();
        return;
    }
    fermee_ = true;
    IA2.Charger_IAs();
    emit ScriptsModifies();
    emit Fermee();
    event->accept();
}

// ---- Script, era and steps ----

ClsJeuIA2* FrmEditeurIA::Script() {
    if (NoIA_ < 0 || static_cast<std::size_t>(NoIA_) >= IA2.AIs.size()) return nullptr;
    ClsJeuIA2& s = IA2.AIs[static_cast<std::size_t>(NoIA_)];
    return s.NombreEpoques() > 0 ? &s : nullptr;
}

std::int32_t FrmEditeurIA::Age() const { return SliderEpoque->value(); }

std::int32_t FrmEditeurIA::EtapeChoisie() const { return LstActions->currentRow(); }

std::string FrmEditeurIA::FichierChoisi() const {
    const QListWidgetItem* it = FileIAs->currentItem();
    return it ? it->text().toStdString() : std::string();
}

void FrmEditeurIA::Afficher_Script() {
    // Only a root script is the file's: a sub-folder script of the same
    // name is never saved, and a file that did not load has no script at
    // all, so nothing may be edited in its place.
    const std::string nom = FichierChoisi();
    NoIA_ = -1;
    for (std::size_t i = 0; i < IA2.AIs.size(); ++i)
        if (IA2.AIs[i].EstJoueur && !nom.empty() && IA2.AIs[i].NomFichier == nom) {
            NoIA_ = static_cast<std::int32_t>(i);
            break;
        }
    {
        const QSignalBlocker b(TxtDescription);
        const ClsJeuIA2* s = Script();
        TxtDescription->setText(s ? Q(s->Description) : QString());
        TxtDescription->setPlaceholderText(!s && !nom.empty() ? "Ce fichier n'a pas pu être chargé." : QString());
    }
    Afficher_Etapes();
}

void FrmEditeurIA::Epoque_Changee() {
    LblEpoque->setText(Q(Parametres.Epoque_Nom(Age())));
    Afficher_Etapes();
}

void FrmEditeurIA::Changer_Epoque(int Sens) {
    const int v = Age() + Sens;
    if (v < SliderEpoque->minimum() || v > SliderEpoque->maximum()) return;
    {
        const QSignalBlocker b(SliderEpoque);
        SliderEpoque->setValue(v);
    }
    Epoque_Changee();
}

void FrmEditeurIA::Afficher_Etapes() {
    ClsJeuIA2* s = Script();
    {
        const QSignalBlocker b1(LstActions), b2(TxtCommentaire);
        LstActions->clear();
        TxtCommentaire->setText(s ? Q(s->Definir_Commentaire(Age())) : QString());
        const std::int32_t n = s ? s->Definir_NombreEtapes(Age()) : 0;
        for (std::int32_t j = 0; j < n; ++j) LstActions->addItem(QString());
    }
    const std::int32_t n = LstActions->count();
    for (std::int32_t j = 0; j < n; ++j) Afficher_Texte_Etape(j);
    if (n == 0) Afficher_Apercu();
    Selectionner_Etape(n > 0 ? 0 : -1);
}

void FrmEditeurIA::Selectionner_Etape(std::int32_t j) {
    {
        const QSignalBlocker b(LstActions);
        LstActions->setCurrentRow(j);
    }
    Afficher_Edition_Etape();
}

void FrmEditeurIA::Afficher_Texte_Etape(std::int32_t j) {
    ClsJeuIA2* s = Script();
    QListWidgetItem* ligne = LstActions->item(j);
    if (!s || !ligne) return;
    const std::int32_t a = Age();
    std::int16_t v = s->Definir_Valeur(a, j);
    const std::string q = std::to_string(s->Definir_Quantite(a, j));
    std::string texte;
    bool ecrire = true;
    switch (s->Definir_Categorie(a, j)) {
    case ClsJeuIA2::CategorieRessource: texte = "Collecter " + q + " " + Parametres.Ressources_Nom(v); break;
    case ClsJeuIA2::CategorieBatiment: texte = "Construire " + Parametres.Batiment_Nom(v); break;
    case ClsJeuIA2::CategorieObjet: texte = "Equiper " + q + " " + Parametres.Objet_Nom(v); break;
    case ClsJeuIA2::CategorieTravailler: texte = "Travailler"; break;
    case ClsJeuIA2::CategoriePatrouiller: texte = "Patrouiller"; break;
    case ClsJeuIA2::CategorieAttaquerEnnemi: texte = "Attaquer Ennemi"; break;
    case ClsJeuIA2::CategorieAttaquerDonjon: texte = "Attaquer Donjon"; break;
    case ClsJeuIA2::CategorieChangerMode:
        if (v == ClsJeuIA2::ModePacifiste)
            texte = TexteModePacifiste;
        else if (v == ClsJeuIA2::ModeCombatif)
            texte = TexteModeCombatif;
        else
            ecrire = false;
        break;
    case ClsJeuIA2::CategorieGagnerArgent:
        // A building type the rules do not have becomes the first one.
        if (v < 0 || v > Parametres.NombreTypeBatiments - 1) {
            v = 0;
            s->Definir_Valeur(a, j, v);
            Modifie_ = true;
        }
        texte = "Gagner " + q + " argent (" + Parametres.Batiment_Metier(v, false) + ")";
        break;
    default: ecrire = false; break;
    }
    if (ecrire) ligne->setText(Q(texte));
    Afficher_Apercu();
}

void FrmEditeurIA::Afficher_Edition_Etape() {
    ClsJeuIA2* s = Script();
    const std::int32_t j = EtapeChoisie();
    const std::int32_t a = Age();
    const bool etape = s && j >= 0 && j < s->Definir_NombreEtapes(a);
    const int c = etape ? s->Definir_Categorie(a, j) : -1;
    const std::int16_t v = etape ? s->Definir_Valeur(a, j) : 0;
    const std::int16_t q = etape ? s->Definir_Quantite(a, j) : 0;

    {
        const QSignalBlocker b(GroupeOptions);
        // An exclusive group keeps one button checked: lift that rule to
        // show a step of a category the editor has no button for.
        GroupeOptions->setExclusive(false);
        for (int i = 0; i < 9; ++i) {
            const QSignalBlocker bi(OptionAction[i]);
            OptionAction[i]->setChecked(i == c);
        }
        GroupeOptions->setExclusive(true);
    }
    // The sliders show the quantity within their range; the step keeps its
    // own value until the player changes it.
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker b(SliderQuantite[i]);
        SliderQuantite[i]->setValue(std::clamp<int>(q, 0, MaxQuantite[i]));
    }
    LblQuantite->setText(QString::number(q));

    // The value lists, with the line to select (-1: none).
    int liste = 0, choisie = -1;
    {
        const QSignalBlocker b0(LstValeur[0]), b1(LstValeur[1]);
        LstValeur[0]->clear();
        LstValeur[1]->clear();
        auto batiments = [&](bool metier) {
            for (std::int32_t i = 0; i < Parametres.NombreTypeBatiments; ++i) {
                // The building types are listed era by era: the first type of
                // a later era ends the list.
                if (Parametres.Batiment_NoEpoque(i) > a + 1) break;
                std::string ligne;
                if (metier) {
                    ligne = Parametres.Batiment_Metier(i, false) + " (" + Parametres.Batiment_Nom(i) + ")";
                } else {
                    std::string prix;
                    for (std::int32_t r = 0; r < Parametres.NombreRessources; ++r) {
                        const std::int32_t p = Parametres.Batiment_Prix(i, r);
                        if (p < 1) continue;
                        if (!prix.empty()) prix += ", ";
                        prix += std::to_string(p) + " " + Parametres.Ressources_Nom(r);
                    }
                    ligne = Parametres.Batiment_Nom(i) + " (" + prix + ")";
                }
                LstValeur[0]->addItem(Q(ligne));
            }
        };
        switch (c) {
        case ClsJeuIA2::CategorieRessource:
            for (std::int32_t i = 0; i < Parametres.NombreRessources; ++i)
                if (Parametres.Ressources_Epoque(i) <= a) LstValeur[0]->addItem(Q(Parametres.Ressources_Nom(i)));
            for (int l = 0; l < LstValeur[0]->count() && choisie < 0; ++l)
                if (LstValeur[0]->item(l)->text() == Q(Parametres.Ressources_Nom(v))) choisie = l;
            break;
        case ClsJeuIA2::CategorieBatiment:
            batiments(false);
            if (LstValeur[0]->count() > 0) choisie = v >= 0 && v < LstValeur[0]->count() ? v : 0;
            break;
        case ClsJeuIA2::CategorieObjet:
            liste = 1;
            for (std::int32_t i = 0; i < std::max<std::int32_t>(Parametres.NombreTypesObjets, 0); ++i) {
                const std::int16_t e = Parametres.Objet_Epoque(i);
                if (e >= 0 && e <= a + 1) LstValeur[1]->addItem(Q(Parametres.Objet_Nom(i)));
            }
            for (int l = 0; l < LstValeur[1]->count() && choisie < 0; ++l)
                if (LstValeur[1]->item(l)->text() == Q(Parametres.Objet_Nom(v))) choisie = l;
            break;
        case ClsJeuIA2::CategorieChangerMode:
            LstValeur[0]->addItem(TexteModePacifiste);
            LstValeur[0]->addItem(TexteModeCombatif);
            choisie = v >= 0 && v < 2 ? v : 0;
            break;
        case ClsJeuIA2::CategorieGagnerArgent:
            batiments(true);
            if (v >= 0 && v < LstValeur[0]->count()) choisie = v;
            break;
        default: break;
        }
        LstValeur[0]->setVisible(liste == 0);
        LstValeur[1]->setVisible(liste == 1);
        LstValeur[liste]->setCurrentRow(choisie);
        if (choisie >= 0) LstValeur[liste]->scrollToItem(LstValeur[liste]->item(choisie));
    }

    const bool quantite = c == 0 || c == 2 || c == 8;
    FrameDesignation->setVisible(c == 0 || c == 1 || c == 2 || c == 7 || c == 8);
    FrameQuantite->setVisible(quantite);
    const int curseur = c == 8 ? 1 : 0;
    for (int i = 0; i < 2; ++i) {
        SliderQuantite[i]->setVisible(i == curseur);
        for (int k = 0; k < 4; ++k) CmdQuantite[4 * i + k]->setVisible(i == curseur);
    }

    const std::int32_t n = s ? s->Definir_NombreEtapes(a) : 0;
    CmdDeplacer[0]->setEnabled(etape && j > 0);
    CmdDeplacer[1]->setEnabled(etape && j < n - 1);
    Mettre_A_Jour_Etats();

    // Selecting a line is a choice of value: a building or mode beyond the
    // list becomes the first line's.
    if (choisie >= 0) Choisir_Valeur(liste);
}

void FrmEditeurIA::Choisir_Categorie(int i) {
    ClsJeuIA2* s = Script();
    const std::int32_t j = EtapeChoisie();
    if (!s || j < 0 || j >= s->Definir_NombreEtapes(Age())) return;
    if (s->Definir_Categorie(Age(), j) == i) return;
    s->Definir_Categorie(Age(), j, static_cast<std::int16_t>(i));
    // A value that names nothing in the new category's table (an item's
    // index kept by a resource step) would be written to the file, which
    // the reader then refuses as a whole: it becomes the table's first.
    std::int32_t taille = 1;
    switch (i) {
    case ClsJeuIA2::CategorieRessource: taille = Parametres.NombreRessources; break;
    case ClsJeuIA2::CategorieBatiment:
    case ClsJeuIA2::CategorieGagnerArgent: taille = Parametres.NombreTypeBatiments; break;
    case ClsJeuIA2::CategorieObjet: taille = Parametres.NombreTypesObjets; break;
    case ClsJeuIA2::CategorieChangerMode: taille = 2; break;
    default: break;
    }
    const std::int16_t v = s->Definir_Valeur(Age(), j);
    if (v < 0 || v >= taille) s->Definir_Valeur(Age(), j, 0);
    Modifie_ = true;
    Afficher_Texte_Etape(j);
    // The step keeps its quantity: a slider shows it within its range, and
    // only a move of the slider by the player stores a new one.
    Afficher_Edition_Etape();
}

void FrmEditeurIA::Choisir_Valeur(int Liste) {
    ClsJeuIA2* s = Script();
    const std::int32_t j = EtapeChoisie();
    const QListWidgetItem* ligne = LstValeur[Liste]->currentItem();
    if (!s || !ligne || j < 0 || j >= s->Definir_NombreEtapes(Age())) return;
    const std::string t = ligne->text().toStdString();
    std::int32_t v = -1;
    if (OptionAction[0]->isChecked()) {
        for (std::int32_t r = 0; r < Parametres.NombreRessources && v < 0; ++r)
            if (Parametres.Ressources_Nom(r) == t) v = r;
    } else if (OptionAction[2]->isChecked()) {
        for (std::int32_t o = 0; o < Parametres.NombreTypesObjets && v < 0; ++o)
            if (Parametres.Objet_Nom(o) == t) v = o;
    } else {
        v = LstValeur[Liste]->currentRow();
    }
    if (v < 0 || s->Definir_Valeur(Age(), j) == v) return;
    s->Definir_Valeur(Age(), j, static_cast<std::int16_t>(v));
    Modifie_ = true;
    Afficher_Texte_Etape(j);
}

void FrmEditeurIA::Quantite_Changee(int i, bool Forcer) {
    ClsJeuIA2* s = Script();
    const std::int32_t j = EtapeChoisie();
    if (!s || j < 0 || j >= s->Definir_NombreEtapes(Age())) return;
    const int valeur = SliderQuantite[i]->value();
    const std::int16_t q = s->Definir_Quantite(Age(), j);
    // A quantity beyond the slider's range (a hand-written file) stays as
    // it is unless the player really moved the slider away from it.
    if (Forcer || valeur != std::clamp<int>(q, 0, MaxQuantite[i])) {
        if (q != valeur) {
            s->Definir_Quantite(Age(), j, static_cast<std::int16_t>(valeur));
            Modifie_ = true;
        }
    }
    LblQuantite->setText(QString::number(s->Definir_Quantite(Age(), j)));
    Afficher_Texte_Etape(j);
}

void FrmEditeurIA::Modifier_Quantite(int Sens) {
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker b(SliderQuantite[i]);
        SliderQuantite[i]->setValue(SliderQuantite[i]->value() + Sens);
    }
    for (int i = 0; i < 2; ++i)
        if (SliderQuantite[i]->isVisibleTo(this)) Quantite_Changee(i, false);
}

void FrmEditeurIA::Quantite_Predefinie(int k) {
    const int i = k >= 4 ? 1 : 0;
    {
        const QSignalBlocker b(SliderQuantite[i]);
        SliderQuantite[i]->setValue(CmdQuantite[k]->text().toInt());
    }
    Quantite_Changee(i, true);
}

void FrmEditeurIA::Deplacer_Etape(int Sens) {
    ClsJeuIA2* s = Script();
    const std::int32_t j = EtapeChoisie();
    const std::int32_t n = s ? s->Definir_NombreEtapes(Age()) : 0;
    const std::int32_t cible = Sens == 0 ? j - 1 : j + 1;
    if (!s || j < 0 || j >= n || cible < 0 || cible >= n) return;
    s->Intervertir_Etapes(Age(), j, cible);
    Modifie_ = true;
    Afficher_Etapes();
    Selectionner_Etape(cible);
}

void FrmEditeurIA::Ajouter_Etape() {
    ClsJeuIA2* s = Script();
    if (!s) return;
    const std::int32_t n = s->Definir_NombreEtapes(Age());
    s->Ajouter_Etape(Age(), n);
    Modifie_ = true;
    Afficher_Etapes();
    Selectionner_Etape(LstActions->count() - 1);
}

void FrmEditeurIA::Supprimer_Etape() {
    ClsJeuIA2* s = Script();
    const std::int32_t j = EtapeChoisie();
    // An era keeps at least one step.
    if (!s || j < 0 || s->Definir_NombreEtapes(Age()) < 2) return;
    s->Supprimer_Etape(Age(), j);
    Modifie_ = true;
    Afficher_Etapes();
    if (j < LstActions->count()) Selectionner_Etape(j);
}

void FrmEditeurIA::Description_Changee(const QString& Texte) {
    const QString propre = UneLigne(Texte);
    if (propre != Texte) {
        const QSignalBlocker b(TxtDescription);
        const int curseur = TxtDescription->cursorPosition();
        TxtDescription->setText(propre);
        TxtDescription->setCursorPosition(curseur);
    }
    ClsJeuIA2* s = Script();
    if (!s || s->Description == propre.toStdString()) return;
    s->Description = propre.toStdString();
    Modifie_ = true;
}

void FrmEditeurIA::Commentaire_Changee(const QString& Texte) {
    const QString propre = UneLigne(Texte);
    if (propre != Texte) {
        const QSignalBlocker b(TxtCommentaire);
        const int curseur = TxtCommentaire->cursorPosition();
        TxtCommentaire->setText(propre);
        TxtCommentaire->setCursorPosition(curseur);
    }
    ClsJeuIA2* s = Script();
    if (!s || s->Definir_Commentaire(Age()) == propre.toStdString()) return;
    s->Definir_Commentaire(Age(), propre.toStdString());
    Modifie_ = true;
}

// ---- Files ----

void FrmEditeurIA::Erreur(const std::string& Titre, const std::string& Message) {
    Questions_->Message(Message, Titre, Dialogues::Icone::Critique);
}

bool FrmEditeurIA::Proposer_Enregistrement() {
    if (!Modifie_) return true;
    switch (Questions_->QuestionAnnulable("Voulez vous Enregistrer les modifications avant de continuer ?", Legende)) {
    case Dialogues::Reponse::Oui: return Enregistrer();
    case Dialogues::Reponse::Non: return true;
    case Dialogues::Reponse::Annuler: return false;
    }
    return false;
}

void FrmEditeurIA::Nouvelle_IA() {
    const auto nom = Questions_->Saisie("Entrez le nom de la nouvelle IA", Legende, "Nouvelle IA.ia");
    if (!nom || !Proposer_Enregistrement()) return;
    if (ResultatCommandeIA r = IA2.Nouvelle_IA(*nom); !r) {
        Erreur(r.Titre, r.Message);
        return;
    }
    // The library was reloaded from disk: nothing is left unsaved.
    Modifie_ = false;
    Rafraichir_Liste_Fichiers();
    Selectionner_Fichier(*nom);
    emit ScriptsModifies();
}

void FrmEditeurIA::Dupliquer_IA() {
    const std::string nom = FichierChoisi();
    if (nom.empty()) return;
    const std::string cible = nom + "+";
    bool remplacer = false;
    if (Existe(IA2.DossierIAs() / cible)) {
        if (!Questions_->Question("Le fichier " + cible + " existe déjà. Voulez-vous le remplacer ?", Legende)) return;
        remplacer = true;
    }
    if (ResultatCommandeIA r = IA2.Dupliquer_IA(nom, cible, remplacer); !r) {
        Erreur(r.Titre, r.Message);
        return;
    }
    // Duplicating saves every script first.
    Modifie_ = false;
    Rafraichir_Liste_Fichiers();
    Selectionner_Fichier(cible);
    emit ScriptsModifies();
}

void FrmEditeurIA::Renommer_IA() {
    const std::string ancien = FichierChoisi();
    if (ancien.empty()) return;
    const auto nouveau = Questions_->Saisie("Entrez le nouveau nom de l'IA", Legende, ancien);
    if (!nouveau) return;
    if (*nouveau != ancien) {
        bool remplacer = false;
        std::error_code ec;
        const fs::path cible = IA2.DossierIAs() / *nouveau;
        if (NomFichierSur(*nouveau) && Existe(cible) && !fs::equivalent(IA2.DossierIAs() / ancien, cible, ec)) {
            if (!Questions_->Question("Le fichier " + *nouveau + " existe déjà. Voulez-vous le remplacer ?", Legende))
                return;
            remplacer = true;
        }
        if (ResultatCommandeIA r = IA2.Renommer_IA(ancien, *nouveau, remplacer); !r) {
            Erreur(r.Titre, r.Message);
            return;
        }
        // Renaming saves every script first.
        Modifie_ = false;
        Rafraichir_Liste_Fichiers();
        emit ScriptsModifies();
    }
    Selectionner_Fichier(*nouveau);
}

void FrmEditeurIA::Supprimer_IA() {
    const std::string nom = FichierChoisi();
    if (nom.empty()) return;
    if (!Questions_->Question("Etes-vous sûr de vouloir supprimer " + nom + " ?", Legende)) return;
    if (!Proposer_Enregistrement()) return;
    if (ResultatCommandeIA r = IA2.Supprimer_IA(nom); !r) {
        Erreur(r.Titre, r.Message);
        return;
    }
    Modifie_ = false;
    Rafraichir_Liste_Fichiers();
    emit ScriptsModifies();
}

bool FrmEditeurIA::Enregistrer() {
    if (ResultatCommandeIA r = IA2.Sauvegarder_IAs(); !r) {
        Erreur(r.Titre, r.Message);
        return false;
    }
    Modifie_ = false;
    emit ScriptsModifies();
    return true;
}

void FrmEditeurIA::Ouvrir_Manuel() {
    ModVisionneurs::Ouvrir_Notepad(*Lanceur_, *Avertisseur_, Dossier.Chemin("\\Info_EditeurIA.txt").string());
}

void FrmEditeurIA::Rafraichir_Liste_Fichiers() {
    const int p = FileIAs->currentRow();
    {
        const QSignalBlocker b(FileIAs);
        FileIAs->clear();
        for (const std::string& nom : FichiersRacine(IA2.DossierIAs())) FileIAs->addItem(Q(nom));
        const int n = FileIAs->count();
        FileIAs->setCurrentRow(p >= 0 && p < n - 1 ? p : (n > 0 ? 0 : -1));
    }
    Afficher_Script();
}

void FrmEditeurIA::Selectionner_Fichier(const std::string& Nom) {
    const QList<QListWidgetItem*> trouves = FileIAs->findItems(Q(Nom), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (trouves.isEmpty()) return;
    {
        const QSignalBlocker b(FileIAs);
        FileIAs->setCurrentItem(trouves.front());
    }
    Afficher_Script();
}

void FrmEditeurIA::Mettre_A_Jour_Etats() {
    const bool script = Script() != nullptr;
    const bool fichier = FileIAs->currentRow() >= 0;
    const std::int32_t n = script ? LstActions->count() : 0;
    const bool etape = script && EtapeChoisie() >= 0;
    for (QWidget* w : {static_cast<QWidget*>(TxtDescription), static_cast<QWidget*>(FrameEpoque),
                       static_cast<QWidget*>(FrameActions)})
        w->setEnabled(script);
    FrameCategories->setEnabled(etape);
    for (QPushButton* b : {CmdDuppliquer, CmdRenommer, CmsSupprimerIA}) b->setEnabled(fichier);
    MenuFichierDuppliquer->setEnabled(fichier);
    MenuFichierRenommer->setEnabled(fichier);
    MenuFichierSupprimer->setEnabled(fichier);
    // An era always keeps one step.
    CmdSupprimer->setEnabled(script && n >= 2);
    CmdInserer->setEnabled(script);
    MenuActions->setEnabled(script);
    MenuActionsSupprimer->setEnabled(CmdSupprimer->isEnabled());
    MenuActionInserer->setEnabled(CmdInserer->isEnabled());
    MenuActionsPrecedent->setEnabled(CmdDeplacer[0]->isEnabled());
    MenuActionsSuivant->setEnabled(CmdDeplacer[1]->isEnabled());
}

// ---- Preview ----

void FrmEditeurIA::Afficher_Apercu() {
    for (int k = 0; k < NombreCellules; ++k) {
        ImgApercu[k]->hide();
        LblApercu[k]->hide();
    }
    const ClsJeuIA2* s = Script();
    if (!s) return;
    int cellule = 0;
    for (std::int32_t a = 0; a < s->NombreEpoques(); ++a) {
        // An era label takes a cell of its own, never beyond the last.
        if (cellule >= NombreCellules) return;
        LblApercu[cellule]->setText(QString::number(a + 1) + " :");
        LblApercu[cellule]->show();
        ++cellule;
        for (std::int32_t j = 0; j < s->Definir_NombreEtapes(a); ++j) {
            if (s->Definir_Categorie(a, j) != ClsJeuIA2::CategorieObjet) continue;
            const std::int16_t v = s->Definir_Valeur(a, j);
            for (std::int32_t n = 0; n < s->Definir_Quantite(a, j); ++n) {
                if (cellule >= NombreCellules - 1) return;
                const std::string chemin =
                    Dossier.Chemin("\\Images\\objets\\" + Parametres.Objet_Image(v) + ".bmp").string();
                auto it = images_.find(chemin);
                if (it == images_.end()) {
                    QPixmap image(Q(chemin));
                    if (image.isNull()) {
                        // Told once: the preview is redrawn at every step shown.
                        if (imagesSignalees_.insert(chemin).second)
                            Erreur("Erreur", "Impossible de charger l'image : " + chemin);
                        return;
                    }
                    // Black is the transparent colour of the game's pictures.
                    image.setMask(image.createMaskFromColor(Qt::black));
                    it = images_.emplace(chemin, image).first;
                }
                ImgApercu[cellule]->setPixmap(it->second);
                ImgApercu[cellule]->setToolTip(
                    Q(Parametres.Objet_Nom(v) + " (Prix : " +
                      TexteNombreFrancais(Parametres.Objet_PrixVente(v) * Parametres.CoefficientAchat) + ")"));
                ImgApercu[cellule]->show();
                ++cellule;
            }
        }
    }
}
