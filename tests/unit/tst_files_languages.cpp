// SPDX-License-Identifier: MIT
// Language files: the list the settings page shows, interface strings and message texts,
// key labels, damaged files, and the three shipped languages against the pages' table.
#include "Localisation.h"
#include "MessageTexts.h"
#include "tst_files_support.h"
#include <QtTest>

namespace {
const QString kDir = "./modules/i18n/";
const QStringList kCodes = {"031000", "025044", "025208"};

// Indices the pages read that only a language file fills, and those left empty.
const QList<int> kFilledByFileOnly = {115, 116, 127, 129, 130, 131, 132, 133, 134, 135, 137, 138, 139};
const QList<int> kUnused = {117, 118, 128, 140};
// The highest caption the shipped files hold.
const int kLastString = 162;
}

class tst_files_languages : public QObject
{
    Q_OBJECT
    FilesRig rig;

private slots:
    void cleanup() { rig.stop(); }

    void shippedLanguagesAreListedByName()
    {
        rig.start();
        QVariantMap expected;
        expected.insert("ENGLISH", "031000");
        expected.insert("CHINESE (Simp)", "025044");
        expected.insert("CHINESE (Trad)", "025208");
        QCOMPARE(rig.view->chkLanguages(), expected);
        QCOMPARE(rig.view->chkLanguages().keys(), QStringList({"CHINESE (Simp)", "CHINESE (Trad)", "ENGLISH"}));
    }

    void listFollowsTheFolder()
    {
        rig.start(false, 1);
        QVERIFY(rig.view->chkLanguages().isEmpty());
        FilesRig::write(kDir + "lang_031225.ini", "[font]\ntotal=0\n");
        FilesRig::write(kDir + "LANG_031000.INI", "[font]\ntotal=0\n");
        FilesRig::write(kDir + "lang_abc.ini", "[font]\ntotal=0\n");
        FilesRig::write(kDir + "lang_0310001.ini", "[font]\ntotal=0\n");
        FilesRig::write(kDir + "notes.ini", "");
        QVariantMap expected;
        expected.insert("ENGLISH (UNITED STATES)", "031225");
        QCOMPARE(rig.view->chkLanguages(), expected);
        QCOMPARE(Localisation::displayName("031000"), QString("ENGLISH"));
        QCOMPARE(Localisation::displayName("025044"), QString("CHINESE (Simp)"));
        QCOMPARE(Localisation::displayName("025208"), QString("CHINESE (Trad)"));
    }

    // Languages the program does not ship, so that the files are read as written (a
    // shipped language that lost keys is rebuilt from the program's copy).
    void stringsStartWithTheFontAndFollowTheTotal()
    {
        rig.start(false, 1);
        FilesRig::write(kDir + "lang_031002.ini",
                        "[font]\nfamily=Some Font\ntotal=3\n[strings]\n0=never\n1=one\n3=\"three, with comma\"\n4=four\n"
                        "[msg]\n0=m0\n5=m5\n");
        QCOMPARE(rig.view->getGlobalStrings("031002"), QStringList({"Some Font", "one", "", "three, with comma"}));
        QCOMPARE(rig.view->messageTexts, QStringList({"m0", "", "", "", "", "m5"}));
    }

    void laterMessagesFollowTheLoadedLanguageWithEnglishFallback()
    {
        rig.start(false, 1);
        FilesRig::write(kDir + "lang_031002.ini", "[msg]\n6=first added\n");
        FilesRig::write(kDir + "lang_025045.ini", "[msg]\n7=second added\n");
        rig.view->getGlobalStrings("031002");
        QCOMPARE(rig.view->lang->message(6), QString("first added"));
        QCOMPARE(rig.view->lang->message(7), MessageTexts::english(7));
        rig.view->getGlobalStrings("025045");
        QCOMPARE(rig.view->lang->message(6), MessageTexts::english(6));
        QCOMPARE(rig.view->lang->message(7), QString("second added"));
        // Read before any language is loaded, and for a code that names no file.
        QCOMPARE(Localisation::message("031002", 6), QString("first added"));
        QCOMPARE(Localisation::message("../x", 7), MessageTexts::english(7));
    }

    void damagedTotalIsCapped()
    {
        rig.start(false, 1);
        // Languages the program does not ship: nothing to rebuild them from, read as they are.
        FilesRig::write(kDir + "lang_031002.ini", "[font]\nfamily=F\ntotal=-5\n");
        QCOMPARE(rig.view->getGlobalStrings("031002"), QStringList({"F"}));
        FilesRig::write(kDir + "lang_031001.ini", "[font]\nfamily=F\ntotal=2000000000\n[strings]\n1=a\n");
        const QStringList capped = rig.view->getGlobalStrings("031001");
        QCOMPARE(capped.size(), Localisation::kMaxStrings + 1);
        QCOMPARE(capped.at(1), QString("a"));
    }

    void missingOrUnsafeFilesGiveEmptyResults()
    {
        rig.start();
        rig.view->getGlobalStrings("031000");
        QVERIFY(!rig.view->messageTexts.at(0).isEmpty());
        for (const QString &code : {"099000", "../setting/apConfig", "", "31000"}) {
            QCOMPARE(rig.view->getGlobalStrings(code), QStringList({""}));
            QCOMPARE(rig.view->messageTexts, QStringList({"", "", "", "", "", ""}));
            QCOMPARE(rig.view->getProductLayoutStrings_R5(code), QStringList(QVector<QString>(16).toList()));
        }
    }

    void shippedFilesAreCompleteAndConsistent()
    {
        rig.start();
        QList<QStringList> all;
        QList<QStringList> labels;
        for (const QString &code : kCodes) {
            const QStringList s = rig.view->getGlobalStrings(code);
            QCOMPARE(s.size(), kLastString + 1);
            QVERIFY(!s.at(0).isEmpty());
            for (int i : kFilledByFileOnly)
                QVERIFY2(!s.at(i).isEmpty(), qPrintable(code + " " + QString::number(i)));
            for (int i : kUnused)
                QVERIFY2(s.at(i).isEmpty(), qPrintable(code + " " + QString::number(i)));
            QCOMPARE(rig.view->messageTexts.size(), 6);
            for (const QString &m : rig.view->messageTexts)
                QVERIFY(!m.isEmpty());
            all.append(s);
            labels.append(rig.view->getProductLayoutStrings_R5(code));
            QCOMPARE(labels.last().size(), 16);
        }
        // The same strings are filled in every language, and the same keys exist.
        for (int i = 1; i <= kLastString; ++i) {
            QCOMPARE(all[1].at(i).isEmpty(), all[0].at(i).isEmpty());
            QCOMPARE(all[2].at(i).isEmpty(), all[0].at(i).isEmpty());
        }
        for (int k = 0; k < 16; ++k) {
            QCOMPARE(labels[1].at(k).isEmpty(), labels[0].at(k).isEmpty());
            QCOMPARE(labels[2].at(k).isEmpty(), labels[0].at(k).isEmpty());
        }
        // Keys without a factory function do not exist on this mouse; left and right do.
        const QList<int> factory = toInts(rig.view->loadDefaultProfile(0));
        for (int k = 0; k < 16; ++k)
            if (factory.mid(4 * k, 4) == QList<int>({0, 0, 0, 0}))
                QVERIFY(labels[0].at(k).isEmpty());
        QCOMPARE(labels[0].at(0), QString("LEFT BUTTON"));
        QVERIFY(!labels[0].at(1).isEmpty());

        // The words of the step editor and key fields are translated (141-147).
        for (int i = 141; i <= 147; ++i)
            for (int l = 1; l < 3; ++l)
                QVERIFY2(!all[l].at(i).isEmpty() && all[l].at(i) != all[0].at(i),
                         qPrintable(kCodes[l] + " " + QString::number(i)));
        // Chinese files are UTF-8 text; the translation is not the English string.
        QCOMPARE(all[1].at(47), QString::fromUtf8("鼠标"));
        QCOMPARE(all[2].at(47), QString::fromUtf8("滑鼠"));
        QCOMPARE(all[0].at(0), QString("DejaVu Sans"));
        QCOMPARE(all[1].at(0), QString("Noto Sans CJK SC"));
        QCOMPARE(all[2].at(0), QString("Noto Sans CJK TC"));

        // The capture note and its message: English as the pages hold it, translated in Chinese.
        QCOMPARE(all[0].at(150), QString("KEYS ARE CAPTURED ONLY WHILE THIS WINDOW HAS FOCUS"));
        const int note = MessageTexts::CaptureInWindowOnly;
        QCOMPARE(Localisation::message("031000", note), MessageTexts::english(note));
        for (const QString &code : {"025044", "025208"}) {
            QVERIFY(all[kCodes.indexOf(code)].at(150) != all[0].at(150));
            QVERIFY(Localisation::message(code, note).contains(QString::fromUtf8("焦點"))
                    || Localisation::message(code, note).contains(QString::fromUtf8("焦点")));
        }
    }

    // The English file repeats the pages' built-in captions at their indices.
    void englishMatchesThePageDefaults()
    {
        rig.start();
        const QStringList s = rig.view->getGlobalStrings("031000");
        const QMap<int, QString> samples = {{1, "OPTIONS"}, {12, "USER DEFINE 5"}, {13, "STATIC"}, {25, "ROTATION"},
                                            {26, "SKIN"}, {43, "SKIN 5"}, {44, "MACRO"}, {46, "KEYBOARD"},
                                            {59, "PLAY / PAUSE"}, {73, "WWW FAVORITES"}, {74, "KEY"}, {85, "SAVE"},
                                            {86, "SENSOR"}, {99, "REPEAT ON PRESSED"}, {100, "POLLING RATE"},
                                            {114, "ALL SAVE"}, {115, "DPI +"}, {116, "DPI -"}, {119, "PRESS GUN"},
                                            {124, "CURSOR RETURN"}, {125, "SYSTEM"}, {126, "USER"},
                                            {135, "Default Value 1"}, {137, "User Value"}, {141, "MOUSE"},
                                            {142, "KEY"}, {143, "PRESS ANY"}, {144, "DELAY"}, {145, "ms"},
                                            {146, "FIRE"}, {147, "times"}};
        for (auto it = samples.cbegin(); it != samples.cend(); ++it)
            QCOMPARE(s.at(it.key()), it.value());
    }
};

QTEST_MAIN(tst_files_languages)
#include "tst_files_languages.moc"
