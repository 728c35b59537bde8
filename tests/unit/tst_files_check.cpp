// SPDX-License-Identifier: MIT
// What counts as a damaged settings file: files editors write (no final newline, CRLF,
// byte-order mark, other encodings in values) are sound; cut-off, binary and misshapen
// content is not, and the repair keeps every line that is sound.
#include "IniCheck.h"
#include <QFile>
#include <QtTest>

using IniCheck::Kind;
Q_DECLARE_METATYPE(IniCheck::Kind)

namespace {
QByteArray factoryProfile()
{
    QFile f(qEnvironmentVariable("R5_SOURCE_DIR") + "/modules/setting/pD.bin");
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class tst_files_check : public QObject
{
    Q_OBJECT

private slots:
    void soundOrDamaged_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("damaged");
        const QByteArray pd = factoryProfile();
        QVERIFY(pd.endsWith('\n'));
        QByteArray crlf = pd;
        crlf.replace("\n", "\r\n");

        QTest::newRow("factory profile") << pd << Kind::Profile << false;
        QTest::newRow("no final newline") << pd.chopped(1) << Kind::Profile << false;
        QTest::newRow("CRLF") << crlf << Kind::Profile << false;
        QTest::newRow("CRLF, no final line end") << crlf.chopped(2) << Kind::Profile << false;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF") + pd << Kind::Profile << false;
        QTest::newRow("Latin-1 in a value") << pd + "note=caf\xE9\n" << Kind::Profile << false;
        QTest::newRow("comments and blank lines") << QByteArray("; a\n# b\n\n[sensor]\nstage_R5=3\n") << Kind::Profile << false;
        QTest::newRow("keyboard profile") << QByteArray("[keydefine]\n5=0, 0, 4, 0\n[color]\nledType=1, 2, 3, 4, 5\n")
                                          << Kind::Profile << false;
        QTest::newRow("empty") << QByteArray() << Kind::Profile << true;
        QTest::newRow("only blank lines") << QByteArray("\n\r\n  \n") << Kind::Profile << true;
        QTest::newRow("list cut off") << QByteArray("[keydefine_R5]\n0=1, 0, 240, 0\n1=1, 0, 24") << Kind::Profile << true;
        QTest::newRow("list cut after a comma") << QByteArray("[sensor]\ndpi_R5=800, 1600, \n") << Kind::Profile << true;
        QTest::newRow("key cut off") << QByteArray("[sensor]\nstage_R5=2\nreportRa") << Kind::Profile << true;
        QTest::newRow("number cut to nothing") << QByteArray("[sensor]\nstage_R5=") << Kind::Profile << true;
        QTest::newRow("group cut off") << QByteArray("[sensor]\nstage_R5=2\n[colo") << Kind::Profile << true;
        QTest::newRow("binary byte") << QByteArray("[sensor]\nstage_R5=2\x01\n", 22) << Kind::Profile << true;
        QTest::newRow("NUL") << QByteArray("[sensor]\nsta\0ge=2\n", 19) << Kind::Profile << true;
        QTest::newRow("user picture short") << QByteArray("[userPicture]\n0=1, 2\n") << Kind::Profile << true;

        QTest::newRow("settings: quote cut off") << QByteArray("[common]\nname=\"R5 Mou") << Kind::AppSettings << true;
        QTest::newRow("settings: escape cut off") << QByteArray("[common]\nname=abc\\") << Kind::AppSettings << true;
        QTest::newRow("settings: quoted comma") << QByteArray("[common]\nname=\"a, b\"\n") << Kind::AppSettings << false;
        QTest::newRow("settings: name only") << QByteArray("[common]\nname=X\n") << Kind::AppSettings << false;
        QTest::newRow("settings: vector complete") << QByteArray("[common]\n0=1\n1=2\ntotal=2\n") << Kind::AppSettings << false;
        QTest::newRow("settings: vector short of its count") << QByteArray("[common]\n0=1\ntotal=2\n") << Kind::AppSettings << true;
        QTest::newRow("settings: vector without count") << QByteArray("[common]\n0=1\n1=2\n") << Kind::AppSettings << true;
        QTest::newRow("settings: absurd count") << QByteArray("[common]\n0=1\ntotal=99999\n") << Kind::AppSettings << true;

        QTest::newRow("macro") << QByteArray("[config]\ntotal=2\n[macro]\n0=A    [Down]\n1=A      [Up]") << Kind::Macro << false;
        QTest::newRow("macro: last step cut") << QByteArray("[config]\ntotal=2\n[macro]\n0=A    [Down]\n1=A    [D")
                                              << Kind::Macro << true;
        QTest::newRow("macro: steps short of the count") << QByteArray("[config]\ntotal=3\n[macro]\n0=A    [Down]\n1=x\n")
                                                         << Kind::Macro << true;
        QTest::newRow("macro: config not a number") << QByteArray("[config]\nindex=x\n") << Kind::Macro << true;

        QTest::newRow("gun table: row missing") << QByteArray("[gunData]\n0=A, 1, 2, 3, 4, 5, 6\n") << Kind::GunTable << true;
        QTest::newRow("fire keys") << QByteArray("[gunData]\n0=0, 0, 60, 20\n1=0, 1, 60, 20\n2=0, 2, 60, 20")
                                   << Kind::GunChoice << false;
        QTest::newRow("fire keys: row cut") << QByteArray("[gunData]\n0=0, 0, 60, 20\n1=0, 1, 60, 20\n2=0, 2, 6")
                                            << Kind::GunChoice << true;
        QTest::newRow("language") << QByteArray("[font]\ntotal=2\n[strings]\n1=A\n2=B") << Kind::Language << false;
        QTest::newRow("language: strings cut off") << QByteArray("[font]\ntotal=3\n[strings]\n1=A\n2=B")
                                                   << Kind::Language << true;
    }
    void soundOrDamaged()
    {
        QFETCH(QByteArray, contents);
        QFETCH(Kind, kind);
        QFETCH(bool, damaged);
        const IniCheck::Result r = IniCheck::check(contents, kind);
        QVERIFY2(r.damaged == damaged, qPrintable(r.reason));
        QCOMPARE(r.reason.isEmpty(), !damaged);
    }

    // The repair starts from every sound line, in order, and never from a broken one.
    void cleanedKeepsEverySoundLine()
    {
        const IniCheck::Result r = IniCheck::check(
            QByteArray("\xEF\xBB\xBF[sensor]\r\nstage_R5=3\r\ngarbage\x02\r\ndpi_R5=1, 2\r\n[keydefine_R5]\r\n0=1, 0, 240, 0\r\n1=1, 0"),
            Kind::Profile);
        QVERIFY(r.damaged);
        QCOMPARE(r.cleaned, QByteArray("[sensor]\nstage_R5=3\n[keydefine_R5]\n0=1, 0, 240, 0\n"));
        const IniCheck::Result count = IniCheck::check("[common]\n0=7\ntotal=5\nname=X\n", Kind::AppSettings);
        QVERIFY(count.damaged);
        QCOMPARE(count.cleaned, QByteArray("[common]\n0=7\nname=X\n"));
    }
};

QTEST_GUILESS_MAIN(tst_files_check)
#include "tst_files_check.moc"
