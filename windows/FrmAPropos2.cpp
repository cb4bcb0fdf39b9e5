#include "windows/FrmAPropos2.h"

#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

#include "platform/DossierJeu.h"
#include "platform/ModVisionneurs.h"

namespace {

QString Q(const char* texte) { return QString::fromUtf8(texte); }

// A label that acts as a link: a click released over it opens its text.
class EtiquetteLien : public QLabel {
public:
    EtiquetteLien(const QString& texte, QWidget* parent) : QLabel(texte, parent) {}
    std::function<void()> Clic;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && Clic) Clic();
        QLabel::mouseReleaseEvent(e);
    }
};

const char* const Equipe[] = {
    "Conception et programmation : l'équipe de Morvaine",
    "Règles, races et peuples : l'équipe de Morvaine",
    "Images et sons : dessinés et composés par les outils du jeu",
    "Textes, cartes et scénarios : l'équipe de Morvaine",
    "Essais : les joueurs de la première heure",
};
const char* const Bibliotheques[] = {
    "Qt 6 : fenêtres et images",
    "SDL2_mixer : bruitages et musiques",
    "ENet : parties en réseau",
    "GoogleTest et Google Benchmark : essais et mesures",
    "Polices DejaVu : textes du jeu",
};

}  // namespace

QString FrmAPropos2::Ligne_Version(VersionJeu v) {
    QString s = QString("Version %1.%2").arg(v.Majeur).arg(v.Mineur);
    if (v.Revision != 0) s += QString(".%1").arg(v.Revision);
    return s;
}

FrmAPropos2::FrmAPropos2(DossierJeu& Dossier, LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur,
                         QWidget* parent, VersionJeu Version)
    : QDialog(parent), Dossier_(Dossier), Lanceur_(Lanceur), Avertisseur_(Avertisseur) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Q("À propos de ") + Q(TitreJeu));

    auto* titre = new QLabel(Q(TitreJeu), this);
    QFont grand = titre->font();
    grand.setPointSizeF(grand.pointSizeF() * 2);
    grand.setBold(true);
    titre->setFont(grand);
    lblVersion = new QLabel(Ligne_Version(Version), this);
    lblVersion->setObjectName("lblVersion");
    auto* sousTitre = new QLabel(Q("Stratégie et gestion en temps réel : fiefs, châteaux, héros et monstres"), this);

    auto liste = [this](QListWidget*& l, const char* nom, const auto& lignes) {
        l = new QListWidget(this);
        l->setObjectName(nom);
        l->setSelectionMode(QAbstractItemView::NoSelection);
        l->setFocusPolicy(Qt::NoFocus);
        for (const char* s : lignes) l->addItem(Q(s));
        l->setMinimumWidth(l->sizeHintForColumn(0) + 2 * l->frameWidth() + 8);
        l->setFixedHeight(l->sizeHintForRow(0) * l->count() + 2 * l->frameWidth() + 4);
        return l;
    };
    liste(List1, "List1", Equipe);
    liste(List2, "List2", Bibliotheques);

    auto trait = [this] {
        auto* l = new QFrame(this);
        l->setFrameShape(QFrame::HLine);
        l->setFrameShadow(QFrame::Sunken);
        return l;
    };

    Label1 = new QLabel(Q("Nouvelles du jeu, cartes et scénarios des joueurs sur notre site :"), this);
    Label1->setWordWrap(true);
    auto lien = [this](const char* nom, const char* texte, std::function<void()> clic) {
        auto* l = new EtiquetteLien(Q(texte), this);
        l->setObjectName(nom);
        l->Clic = std::move(clic);
        // The desktop's selection colour, underlined, as links are drawn.
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, palette().color(QPalette::Highlight));
        l->setPalette(p);
        QFont f = l->font();
        f.setUnderline(true);
        l->setFont(f);
        return l;
    };
    LblSiteWeb = lien("LblSiteWeb", "https://morvaine.example.org/", [this] { LblSiteWeb_Click(); });
    LblMail[0] = lien("LblMail0", "webmestre@morvaine.example.org", [this] { LblMail_Click(0); });
    LblMail[1] = lien("LblMail1", "equipe@morvaine.example.org", [this] { LblMail_Click(1); });
    // The game's own link pointer when its file is there, else the
    // desktop's pointing hand.
    const QPixmap image(QString::fromStdString(Dossier_.Chemin("\\Images\\Curseurs\\SiteWeb.cur").string()));
    const QCursor pointeur = image.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(image, 0, 0);
    for (QLabel* l : {LblSiteWeb, LblMail[0], LblMail[1]}) l->setCursor(pointeur);

    auto* adresses = new QGridLayout;
    adresses->addWidget(new QLabel(Q("Webmaster :"), this), 0, 0);
    adresses->addWidget(LblMail[0], 0, 1);
    adresses->addWidget(new QLabel(Q("Réalisateur :"), this), 1, 0);
    adresses->addWidget(LblMail[1], 1, 1);
    adresses->setColumnStretch(1, 1);

    lblDisclaimer = new QLabel(Q("Ce programme est fourni tel quel, sans aucune garantie. Les bibliothèques citées "
                                 "appartiennent à leurs auteurs et sont utilisées selon leurs licences. Toute "
                                 "ressemblance avec des royaumes existants serait fortuite."),
                               this);
    lblDisclaimer->setObjectName("lblDisclaimer");
    lblDisclaimer->setWordWrap(true);

    LisezMoi = new QPushButton(Q("&Lisez moi"), this);
    LisezMoi->setObjectName("LisezMoi");
    cmdOK = new QPushButton(Q("&OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(LisezMoi);
    boutons->addStretch(1);
    boutons->addWidget(cmdOK);

    auto* v = new QVBoxLayout(this);
    v->addWidget(titre);
    v->addWidget(lblVersion);
    v->addWidget(sousTitre);
    v->addWidget(trait());
    v->addWidget(new QLabel(Q("Réalisation :"), this));
    v->addWidget(List1);
    v->addWidget(new QLabel(Q("Construit avec :"), this));
    v->addWidget(List2);
    v->addWidget(trait());
    v->addWidget(Label1);
    v->addWidget(LblSiteWeb);
    v->addLayout(adresses);
    v->addWidget(lblDisclaimer);
    v->addLayout(boutons);
    setFixedWidth(std::max(sizeHint().width(), fontMetrics().horizontalAdvance(QString(78, 'x'))));

    connect(LisezMoi, &QPushButton::clicked, this, [this] { LisezMoi_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void FrmAPropos2::LblSiteWeb_Click() {
    ModVisionneurs::Ouvrir_Navigateur(Lanceur_, Avertisseur_, LblSiteWeb->text().toStdString());
}

void FrmAPropos2::LblMail_Click(int Index) {
    ModVisionneurs::Ouvrir_Navigateur(Lanceur_, Avertisseur_,
                                      "mailto:" + LblMail[static_cast<std::size_t>(Index)]->text().toStdString());
}

void FrmAPropos2::LisezMoi_Click() {
    ModVisionneurs::Ouvrir_Notepad(Lanceur_, Avertisseur_, Dossier_.Chemin("\\Info_Lisez moi.txt").string());
}
