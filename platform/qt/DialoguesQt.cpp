#include "platform/qt/DialoguesQt.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void DialoguesQt::Message(const std::string& Texte, const std::string& Titre, Icone icone) {
    switch (icone) {
    case Icone::Information: QMessageBox::information(parent_, Q(Titre), Q(Texte)); break;
    case Icone::Question: QMessageBox::question(parent_, Q(Titre), Q(Texte), QMessageBox::StandardButtons(QMessageBox::Ok)); break;
    case Icone::Attention: QMessageBox::warning(parent_, Q(Titre), Q(Texte)); break;
    case Icone::Critique: QMessageBox::critical(parent_, Q(Titre), Q(Texte)); break;
    }
}

bool DialoguesQt::Question(const std::string& Texte, const std::string& Titre) {
    return QMessageBox::question(parent_, Q(Titre), Q(Texte), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

Dialogues::Reponse DialoguesQt::QuestionAnnulable(const std::string& Texte, const std::string& Titre) {
    switch (QMessageBox::question(parent_, Q(Titre), Q(Texte),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Reponse::Oui;
    case QMessageBox::No: return Reponse::Non;
    default: return Reponse::Annuler;
    }
}

std::optional<std::string> DialoguesQt::Saisie(const std::string& Invite, const std::string& Titre,
                                               const std::string& Defaut) {
    bool ok = false;
    const QString texte = QInputDialog::getText(parent_, Q(Titre), Q(Invite), QLineEdit::Normal, Q(Defaut), &ok);
    if (!ok) return std::nullopt;
    return texte.toStdString();
}
