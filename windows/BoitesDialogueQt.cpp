#include "windows/BoitesDialogueQt.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QWidget* Parent() { return QApplication::activeWindow(); }
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

bool BoitesDialogueQt::Confirmer(const std::string& Titre, const std::string& Texte) {
    QMessageBox boite(QMessageBox::Question, Q(Titre), Q(Texte), QMessageBox::Ok | QMessageBox::Cancel, Parent());
    return boite.exec() == QMessageBox::Ok;
}

std::optional<std::string> BoitesDialogueQt::Saisir(const std::string& Titre, const std::string& Invite,
                                                    const std::string& Defaut) {
    bool ok = false;
    const QString texte = QInputDialog::getText(Parent(), Q(Titre), Q(Invite), QLineEdit::Normal, Q(Defaut), &ok);
    if (!ok) return std::nullopt;
    return texte.toStdString();
}

void BoitesDialogueQt::Erreur(const std::string& Titre, const std::string& Texte) {
    QMessageBox::critical(Parent(), Q(Titre), Q(Texte));
}
