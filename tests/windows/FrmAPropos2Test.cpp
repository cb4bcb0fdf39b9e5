#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "platform/DossierJeu.h"
#include "tests/Outils.h"
#include "tests/windows/OutilsFenetres.h"
#include "windows/FrmAPropos2.h"

namespace fs = std::filesystem;

TEST(FrmAPropos2, VersionSansRevisionNulle) {
    ApplicationTest app;
    DossierTemporaire d;
    DossierJeu dossier(d.Chemin());
    LanceurFactice lanceur;
    AvertisseurFactice avertisseur;
    const struct {
        VersionJeu version;
        const char* ligne;
    } cas[] = {{{1, 0, 0}, "Version 1.0"}, {{2, 3, 0}, "Version 2.3"}, {{2, 3, 7}, "Version 2.3.7"}, {{1, 0, 10}, "Version 1.0.10"}};
    for (const auto& c : cas) {
        QPointer<FrmAPropos2> f = new FrmAPropos2(dossier, lanceur, avertisseur, nullptr, c.version);
        EXPECT_EQ(f->findChild<QLabel*>("lblVersion")->text().toStdString(), c.ligne);
        EXPECT_EQ(f->windowTitle(), QString::fromUtf8("À propos de Morvaine"));
        delete f.data();
    }
}

// The player opens the read-me, follows the three links and leaves with
// "&OK"; every outside program goes through the viewer layer.
TEST(FrmAPropos2, LisezMoiEtLiensParLeVisionneur) {
    ApplicationTest app;
    DossierTemporaire d;
    d.CopierDonnees();
    DossierJeu dossier(d.Chemin());
    LanceurFactice lanceur;
    AvertisseurFactice avertisseur;
    QPointer<FrmAPropos2> f = new FrmAPropos2(dossier, lanceur, avertisseur);
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));

    QTest::mouseClick(f->findChild<QPushButton*>("LisezMoi"), Qt::LeftButton);
    for (const char* lien : {"LblSiteWeb", "LblMail0", "LblMail1"})
        QTest::mouseClick(f->findChild<QLabel*>(lien), Qt::LeftButton);
    ASSERT_EQ(lanceur.Ouverts.size(), 4u);
    const fs::path lisezMoi = lanceur.Ouverts[0].substr(std::string("texte:").size());
    EXPECT_EQ(lisezMoi, d.Chemin() / "Info_Lisez moi.txt");
    EXPECT_TRUE(fs::is_regular_file(lisezMoi));
    EXPECT_EQ(lanceur.Ouverts[1], "page:" + f->findChild<QLabel*>("LblSiteWeb")->text().toStdString());
    EXPECT_EQ(lanceur.Ouverts[2], "page:mailto:" + f->findChild<QLabel*>("LblMail0")->text().toStdString());
    EXPECT_EQ(lanceur.Ouverts[3], "page:mailto:" + f->findChild<QLabel*>("LblMail1")->text().toStdString());
    EXPECT_TRUE(avertisseur.Messages.empty());

    // No viewer: the player is told, the window stays.
    lanceur.Reussit = false;
    QTest::mouseClick(f->findChild<QPushButton*>("LisezMoi"), Qt::LeftButton);
    EXPECT_EQ(avertisseur.Messages, std::vector<std::string>{"Logiciel Notepad introuvable."});

    QTest::mouseClick(f->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    for (int k = 0; k < 20 && f; ++k) QTest::qWait(5);
    EXPECT_TRUE(f.isNull());
}
