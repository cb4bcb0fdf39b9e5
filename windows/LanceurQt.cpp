#include "windows/LanceurQt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace {

// A local path becomes a file address; anything with a scheme is kept.
QUrl Adresse(const std::string& texte) {
    const QString s = QString::fromStdString(texte);
    const QUrl url(s);
    if (url.isValid() && url.scheme().size() > 1) return url;
    return QUrl::fromLocalFile(QFileInfo(s).absoluteFilePath());
}

}  // namespace

// Whether the file or folder is there is the caller's check
// (ModVisionneurs): false here means the desktop had no program for it.
bool LanceurQt::Ouvrir_Fichier_Texte(const std::string& Chemin) { return QDesktopServices::openUrl(Adresse(Chemin)); }

bool LanceurQt::Ouvrir_Dossier(const std::string& Chemin) { return QDesktopServices::openUrl(Adresse(Chemin)); }

bool LanceurQt::Ouvrir_Page(const std::string& Adresse_) { return QDesktopServices::openUrl(Adresse(Adresse_)); }

void AvertisseurQt::Erreur(const std::string& Message) {
    QMessageBox::critical(nullptr, QApplication::applicationName(), QString::fromStdString(Message));
}

void AvertisseurQt::Erreur_Titre(const std::string& Message, const std::string& Titre) {
    QMessageBox::critical(nullptr, Titre.empty() ? QApplication::applicationName() : QString::fromStdString(Titre),
                          QString::fromStdString(Message));
}
