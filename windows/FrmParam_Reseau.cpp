// The setup window's network panel: the service provider and the player's
// name, hosting a session, listing and joining the sessions at an address,
// the session's players, the chat, and a client's start when the host's
// "Com" arrives. Everything goes through the program's one ClsComReseau.
#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <optional>
#include <string>

#include "network/ChoixReseau.h"
#include "network/ClsComReseau.h"
#include "windows/Demarrage.h"
#include "windows/FrmParam.h"
#include "windows/MDIFrmMain.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The hourglass while the network is waited for.
struct Sablier {
    Sablier() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sablier() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

void FrmParam::Construire_Reseau(QBoxLayout* racine) {
    PanneauReseau = new QWidget(this);
    PanneauReseau->setObjectName("PanneauReseau");
    auto* ligne = new QHBoxLayout(PanneauReseau);
    ligne->setContentsMargins(0, 0, 0, 0);

    FrameReseau = new QGroupBox(QString::fromUtf8("Paramètres réseaux"), PanneauReseau);
    auto* gr = new QVBoxLayout(FrameReseau);
    gr->addWidget(new QLabel(QString::fromUtf8("Sélectionnez un services providers :"), FrameReseau));
    LstServices = new QListWidget(FrameReseau);
    gr->addWidget(LstServices);
    gr->addWidget(new QLabel("Adresse :", FrameReseau));
    TxtAdresse = new QLineEdit(FrameReseau);
    gr->addWidget(TxtAdresse);
    gr->addWidget(new QLabel("Votre Pseudo :", FrameReseau));
    TxtNomJoueur = new QLineEdit(FrameReseau);
    TxtNomJoueur->setMaxLength(64);
    gr->addWidget(TxtNomJoueur);
    LblErreurReseau = new QLabel(FrameReseau);
    LblErreurReseau->setWordWrap(true);
    LblErreurReseau->setStyleSheet("color: #c00000");
    gr->addWidget(LblErreurReseau);

    FrameServeur = new QGroupBox("Serveur", PanneauReseau);
    auto* gs = new QGridLayout(FrameServeur);
    gs->addWidget(new QLabel("Nom de la session :", FrameServeur), 0, 0, 1, 2);
    TxtNomSession = new QLineEdit(FrameServeur);
    TxtNomSession->setMaxLength(64);
    gs->addWidget(TxtNomSession, 1, 0, 1, 2);
    gs->addWidget(new QLabel("Nombre de joueurs maximum :", FrameServeur), 2, 0, 1, 2);
    SliderNombreJoueurs = new QSlider(Qt::Horizontal, FrameServeur);
    LblNombreJoueurs = new QLabel(FrameServeur);
    gs->addWidget(SliderNombreJoueurs, 3, 0);
    gs->addWidget(LblNombreJoueurs, 3, 1);
    CmdCreerServeur = new QPushButton(QString::fromUtf8("Créer un serveur"), FrameServeur);
    CmdFermerServeur = new QPushButton("Fermer le Serveur", FrameServeur);
    gs->addWidget(CmdCreerServeur, 4, 0, 1, 2);
    gs->addWidget(CmdFermerServeur, 5, 0, 1, 2);

    FrameClient = new QGroupBox("Parties en cours", PanneauReseau);
    auto* gc = new QVBoxLayout(FrameClient);
    LstParties = new QListWidget(FrameClient);
    gc->addWidget(LstParties);
    CmdRafraichirParties = new QPushButton("Rafraichir", FrameClient);
    CmdConnecter = new QPushButton("Se connecter", FrameClient);
    CmdDeconnecter = new QPushButton(QString::fromUtf8("Se déconnecter"), FrameClient);
    for (auto* b : {CmdRafraichirParties, CmdConnecter, CmdDeconnecter}) gc->addWidget(b);

    FrameJoueurs = new QGroupBox("Joueurs", PanneauReseau);
    auto* gj = new QGridLayout(FrameJoueurs);
    LstJoueurs = new QListWidget(FrameJoueurs);
    CmdRafraichirJoueurs = new QPushButton("Rafraichir", FrameJoueurs);
    gj->addWidget(LstJoueurs, 0, 0, 2, 1);
    gj->addWidget(CmdRafraichirJoueurs, 0, 1);
    gj->addWidget(new QLabel("Messages :", FrameJoueurs), 2, 0, 1, 2);
    LstMessages = new QListWidget(FrameJoueurs);
    gj->addWidget(LstMessages, 3, 0, 1, 2);
    TxtMessage = new QLineEdit(FrameJoueurs);
    TxtMessage->setMaxLength(200);
    CmdEnvoyerMessage = new QPushButton("Envoyer", FrameJoueurs);
    gj->addWidget(TxtMessage, 4, 0);
    gj->addWidget(CmdEnvoyerMessage, 4, 1);

    for (auto* f : {FrameReseau, FrameServeur, FrameClient, FrameJoueurs}) ligne->addWidget(f);
    racine->addWidget(PanneauReseau);

    // The controls show the session's settings as read at start-up.
    ClsComReseau* r = Principale_.Programme().Reseau.get();
    if (r) {
        for (std::int32_t i = 1; i <= r->NombreServiceProviders; ++i) LstServices->addItem(Q(r->ServiceProvider_Nom(i)));
        if (r->ServiceProvider >= 1 && r->ServiceProvider <= r->NombreServiceProviders)
            LstServices->setCurrentRow(r->ServiceProvider - 1);
        TxtAdresse->setText(Q(r->Adresse));
        TxtNomJoueur->setText(Q(r->NomJoueur));
        TxtNomSession->setText(Q(r->NomSession));
        SliderNombreJoueurs->setRange(r->NombreJoueursMin, r->NombreJoueursMax);
        SliderNombreJoueurs->setValue(r->NombreJoueurs);
        LblNombreJoueurs->setText(QString::number(SliderNombreJoueurs->value()));
        if (!r->Disponible())
            LblErreurReseau->setText(
                QString::fromUtf8("Jeu en réseau indisponible : la clé ServiceProvider=%1 de %2 ne désigne aucun service "
                                  "provider (choisissez-en un puis relancez le programme).")
                    .arg(r->ServiceProvider)
                    .arg(ClsComReseau::FichierIni));
        // Players joining or leaving show at once in the list.
        // (The setup window is rebuilt after each game: the newest one answers.)
        r->SurChangementJoueurs = [w = QPointer<FrmParam>(this)] {
            if (w) w->CmdRafraichirJoueurs_Click();
        };
        // While a join or a listing waits for the host, the window stays alive.
        r->PendantAttente = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    } else {
        LblErreurReseau->setText(QString::fromUtf8("Jeu en réseau indisponible."));
    }

    // User actions only: the filling above ran before these connections.
    connect(LstServices, &QListWidget::itemClicked, this, [this] { LstServices_Click(); });
    connect(TxtNomJoueur, &QLineEdit::textEdited, this, [this] { TxtNomJoueur_Change(); });
    connect(TxtAdresse, &QLineEdit::textEdited, this, [this] { TxtAdresse_Change(); });
    connect(TxtNomSession, &QLineEdit::textEdited, this, [this] { TxtNomSession_Change(); });
    connect(SliderNombreJoueurs, &QSlider::valueChanged, this, [this] { SliderNombreJoueurs_Change(); });
    connect(CmdCreerServeur, &QPushButton::clicked, this, [this] { CmdCreerServeur_Click(); });
    connect(CmdFermerServeur, &QPushButton::clicked, this, [this] { CmdFermerServeur_Click(); });
    connect(CmdRafraichirParties, &QPushButton::clicked, this, [this] { CmdRafraichirParties_Click(); });
    connect(CmdConnecter, &QPushButton::clicked, this, [this] { CmdConnecter_Click(); });
    connect(CmdDeconnecter, &QPushButton::clicked, this, [this] { CmdDeconnecter_Click(); });
    connect(CmdRafraichirJoueurs, &QPushButton::clicked, this, [this] { CmdRafraichirJoueurs_Click(); });
    connect(CmdEnvoyerMessage, &QPushButton::clicked, this, [this] { CmdEnvoyerMessage_Click(); });
    connect(TxtMessage, &QLineEdit::returnPressed, this, [this] { CmdEnvoyerMessage_Click(); });

    Sondage_Reseau = [this] { Sondage_Session(); };
    Actualiser_Boutons_Reseau();
}

void FrmParam::Choix_Reseau(SetupChoices& c) const {
    const ClsComReseau* r = Principale_.Programme().Reseau.get();
    if (!r || !r->Reseau_Actif) return;
    c.Reseau = true;
    c.NumeroJoueurReseau = r->Joueur_Local;
    c.NombreJoueursReseau = r->NombreJoueursConnectes;
}

void FrmParam::Actualiser_Boutons_Reseau() {
    ClsComReseau* r = Principale_.Programme().Reseau.get();
    const bool dispo = r && r->Disponible();
    const bool actif = dispo && r->Reseau_Actif;
    const bool serveur = actif && r->Reseau_Serveur;
    // A bad provider: everything but the provider list is off (a new
    // choice there is taken at the next start).
    for (QWidget* w : {static_cast<QWidget*>(TxtAdresse), static_cast<QWidget*>(TxtNomJoueur),
                       static_cast<QWidget*>(FrameServeur), static_cast<QWidget*>(FrameClient),
                       static_cast<QWidget*>(FrameJoueurs)})
        w->setEnabled(dispo);
    LstServices->setEnabled(r != nullptr);
    CmdCreerServeur->setEnabled(dispo && !actif);
    CmdConnecter->setEnabled(dispo && !actif);
    CmdFermerServeur->setEnabled(serveur);
    CmdRafraichirParties->setEnabled(dispo && !serveur);
    CmdDeconnecter->setEnabled(actif);
    CmdRafraichirJoueurs->setEnabled(actif);
    CmdEnvoyerMessage->setEnabled(actif);
    // The address and the session's size hold while a session is open.
    TxtAdresse->setEnabled(dispo && !actif);
    SliderNombreJoueurs->setEnabled(dispo && !actif);
}

void FrmParam::LstServices_Click() {
    ClsComReseau* r = Principale_.Programme().Reseau.get();
    if (!r || LstServices->currentRow() < 0) return;
    r->Definir_ServiceProvider(static_cast<std::int16_t>(LstServices->currentRow() + 1));
}

void FrmParam::TxtNomJoueur_Change() {
    if (ClsComReseau* r = Principale_.Programme().Reseau.get()) r->Definir_NomJoueur(TxtNomJoueur->text().toStdString());
}

void FrmParam::TxtAdresse_Change() {
    ClsComReseau* r = Principale_.Programme().Reseau.get();
    if (!r) return;
    r->Adresse = TxtAdresse->text().trimmed().toStdString();
    r->Changer_Parametre_Ini("Adresse", r->Adresse);
}

void FrmParam::TxtNomSession_Change() {
    if (ClsComReseau* r = Principale_.Programme().Reseau.get()) r->Definir_NomSession(TxtNomSession->text().toStdString());
}

void FrmParam::SliderNombreJoueurs_Change() {
    LblNombreJoueurs->setText(QString::number(SliderNombreJoueurs->value()));
    if (ClsComReseau* r = Principale_.Programme().Reseau.get()) r->Definir_NombreJoueurs(SliderNombreJoueurs->value());
}

namespace {
void Dire_Erreur(Demarrage& prog, ClsComReseau& r, const char* defaut,
                 Dialogues::Icone icone = Dialogues::Icone::Attention) {
    const std::string m = r.DerniereErreur.empty() ? std::string(defaut) : r.DerniereErreur;
    prog.Dialogues().Message(m, "Erreur", icone);
}
}  // namespace

void FrmParam::CmdCreerServeur_Click() {
    ClsComReseau* r = Principale_.Programme().Reseau.get();
    if (!r || !r->Disponible()) return;
    {
        Sablier s;
        // The session admits the number the slider shows.
        r->Definir_NombreJoueurs(SliderNombreJoueurs->value());
        if (!r->Session_Creer()) Dire_Erreur(Principale_.Programme(), *r, "Impossible de créer la session");
    }
    Actualiser_Boutons_Reseau();
    CmdRafraichirJoueurs_Click();
}

void FrmParam::CmdFermerServeur_Click() {
    ClsComReseau* r = Principale_.Programme().Reseau.get();
    if (!r) return;
    {
        Sablier s;
        r->Session_Fermer();
        LstJoueurs->clear();
    }
    Actualiser_Boutons_Reseau();
}

void FrmParam::CmdRafraichirParties_Click() {
    ClsComReseau* r = Principale_.Programme().Reseau.get();
    if (!r || !r->Disponible()) return;
    Sablier s;
    LstParties->clear();
    r->Rafraichir_Parties();
    for (std::int32_t i = 1; i <= r->NombreParties; ++i) LstParties->addItem(Q(r->Partie_Nom(i)));
    if (r->NombreParties > 0) LstParties->setCurrentRow(0);
}

void FrmParam::CmdConnecter_Click() {
    ClsComReseau* r = Principale_.Programme().Reseau.get();
    if (!r || !r->Disponible()) return;
    bool ok;
    {
        Sablier s;
        ok = r->Session_Rejoindre(LstParties->currentRow());
    }
    // "Impossible d'établir la connexion", and on a second line why: the
    // transport's reason, or the one the host gave when it refused.
    if (!ok) Dire_Erreur(Principale_.Programme(), *r, "Impossible d'établir la connexion", Dialogues::Icone::Critique);
    CmdRafraichirJoueurs_Click();
    Actualiser_Boutons_Reseau();
}

void FrmParam::CmdDeconnecter_Click() {
    ClsComReseau* r = Principale_.Programme().Reseau.get();
    if (!r) return;
    r->Session_Fermer();
    Actualiser_Boutons_Reseau();
    LstJoueurs->clear();
}

void FrmParam::CmdRafraichirJoueurs_Click() {
    ClsComReseau* r = Principale_.Programme().Reseau.get();
    LstJoueurs->clear();
    // No session (or a failed join): the list stays empty.
    if (!r || !r->Reseau_Actif) return;
    r->Rafraichir_Joueurs();
    for (std::int32_t i = 1; i <= r->NombreJoueursConnectes; ++i) LstJoueurs->addItem(Q(r->Joueur_Nom(i)));
}

void FrmParam::CmdEnvoyerMessage_Click() {
    ClsComReseau* r = Principale_.Programme().Reseau.get();
    if (!r || !r->Reseau_Actif) return;
    // A line with nothing to read is not sent.
    if (TxtMessage->text().trimmed().isEmpty()) return;
    // Listed as the others will read it: cut to the bound of a message.
    const std::string ligne = Protocole::Borner("<" + r->NomJoueur + "> " + TxtMessage->text().toStdString());
    r->Message_Envoyer(r->Joueur_Local, ligne);
    LstMessages->addItem(Q(ligne));
    TxtMessage->clear();
}

void FrmParam::Sondage_Session() {
    ClsComReseau* r = Principale_.Programme().Reseau.get();
    if (!r || !r->Reseau_Actif || r->Reseau_EnJeu) return;
    const std::string texte = r->Message_Lire();
    if (!texte.empty()) LstMessages->addItem(Q(texte));
    // Who left, or was removed and why, among the chat lines.
    for (; !r->Annonces.empty(); r->Annonces.pop_front()) LstMessages->addItem(Q(r->Annonces.front()));
    if (r->HotePerdu) {
        r->HotePerdu = false;
        const std::string raison = r->DerniereErreur.empty() ? "L'hôte a quitté la session." : r->DerniereErreur;
        r->Session_Fermer();
        LstJoueurs->clear();
        Actualiser_Boutons_Reseau();
        Principale_.Programme().Dialogues().Message(raison, "Erreur", Dialogues::Icone::Attention);
        return;
    }
    if (r->CommencementDemande) {
        r->CommencementDemande = false;
        // The game runs once this tick has returned, never inside the
        // reading of the message that asked for it.
        QTimer::singleShot(0, this, [this] { Commencer_Client(); });
    }
}

void FrmParam::Commencer_Client() {
    ClsComReseau* r = Principale_.Programme().Reseau.get();
    if (!r || !r->Reseau_Actif || !r->Reseau_Client || r->Reseau_EnJeu) return;
    std::string erreur;
    std::optional<SetupChoices> choix = ChoixReseau::Lire(r->ChoixHote, &erreur);
    if (!choix) {
        Principale_.Programme().Dialogues().Message(
            "Les choix de partie reçus du serveur sont invalides : " + erreur, "Erreur", Dialogues::Icone::Critique);
        return;
    }
    choix->Reseau = true;
    choix->NumeroJoueurReseau = r->Joueur_Local;
    TimerApparence->stop();
    Principale_.Commencer_Partie(*choix);
}
