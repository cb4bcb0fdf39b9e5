#include "platform/qt/DialoguesQt.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The buttons carry French captions whatever translations Qt finds.
QMessageBox::StandardButton Boite(QWidget* parent, QMessageBox::Icon icone, const std::string& Titre,
                                  const std::string& Texte, QMessageBox::StandardButtons boutons,
                                  QMessageBox::StandardButton parDefaut) {
    QMessageBox boite(icone, Q(Titre), Q(Texte), boutons, parent);
    const std::pair<QMessageBox::StandardButton, const char*> textes[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Yes, "&Oui"}, {QMessageBox::No, "&Non"}, {QMessageBox::Cancel, "Annuler"}};
    for (const auto& [b, t] : textes)
        if (QAbstractButton* bouton = boite.button(b)) bouton->setText(t);
    if (parDefaut != QMessageBox::NoButton) boite.setDefaultButton(parDefaut);
    return static_cast<QMessageBox::StandardButton>(boite.exec());
}

}  // namespace

void DialoguesQt::Message(const std::string& Texte, const std::string& Titre, Icone icone) {
    const QMessageBox::Icon icones[] = {QMessageBox::Information, QMessageBox::Question, QMessageBox::Warning,
                                        QMessageBox::Critical};
    Boite(parent_, icones[static_cast<int>(icone)], Titre, Texte, QMessageBox::Ok, QMessageBox::Ok);
}

bool DialoguesQt::Confirmer(const std::string& Texte, const std::string& Titre) {
    return Boite(parent_, QMessageBox::Question, Titre, Texte, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) ==
           QMessageBox::Ok;
}

bool DialoguesQt::Question(const std::string& Texte, const std::string& Titre) {
    return Boite(parent_, QMessageBox::Question, Titre, Texte, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

Dialogues::Reponse DialoguesQt::QuestionAnnulable(const std::string& Texte, const std::string& Titre) {
    // Closing the box is Cancel: Escape goes to it.
    switch (Boite(parent_, QMessageBox::Question, Titre, Texte, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  QMessageBox::Yes)) {
    case QMessageBox::Yes: return Reponse::Oui;
    case QMessageBox::No: return Reponse::Non;
    default: return Reponse::Annuler;
    }
}

std::optional<std::string> DialoguesQt::Saisie(const std::string& Invite, const std::string& Titre,
                                               const std::string& Defaut) {
    QInputDialog boite(parent_);
    boite.setWindowTitle(Q(Titre));
    boite.setLabelText(Q(Invite));
    boite.setTextValue(Q(Defaut));
    boite.setOkButtonText("OK");
    boite.setCancelButtonText("Annuler");
    if (boite.exec() != QDialog::Accepted) return std::nullopt;
    return boite.textValue().toStdString();
}
