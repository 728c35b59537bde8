// SPDX-License-Identifier: MIT
// Shared test fixtures (see TestSupport.h).
#include "TestSupport.h"
#include "DiskLayout.h"
#include <QCloseEvent>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <mutex>
#include <unistd.h>

// Both come from the environment (ctest, or the build's defaults for a program run on
// its own); a wrong one stops the test at once with the folder it looked in.
QString TestSupport::sourceDir()
{
    const QString dir = QString::fromLocal8Bit(qgetenv("R5_SOURCE_DIR"));
    if (!QFileInfo::exists(dir + QStringLiteral("/modules/setting/pD.bin")))
        qFatal("R5_SOURCE_DIR='%s' is not the source tree (no modules/setting/pD.bin there)", qPrintable(dir));
    return dir;
}

bool TestSupport::layOutProgram(const QString &folder)
{
    const QString run = runDir();
    // The program and the window program it starts from beside itself.
    for (const QString name : {QStringLiteral("r5config-sim"), QStringLiteral("r5config-sim-window")}) {
        const QString exe = folder + QLatin1Char('/') + name;
        if (::link(QFile::encodeName(run + QLatin1Char('/') + name).constData(), QFile::encodeName(exe).constData()) != 0
            && !QFile::copy(run + QLatin1Char('/') + name, exe))
            return false;
    }
    QDirIterator it(run + "/modules", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = folder + "/modules" + src.mid(run.size() + 8);
        QDir().mkpath(QFileInfo(dst).path());
        if (!QFile::copy(src, dst))
            return false;
    }
    return true;
}

QString TestSupport::runDir()
{
    const QString dir = QString::fromLocal8Bit(qgetenv("R5_RUN_DIR"));
    if (!QFileInfo::exists(dir + QStringLiteral("/modules/img")))
        qFatal("R5_RUN_DIR='%s' holds no modules/img: build the program first (cmake --build build)",
               qPrintable(dir));
    return dir;
}

static void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + src.mid(from.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(dst);
        else
            QFile::copy(src, dst);
    }
}

QTemporaryDir *TestSupport::enterFreshRunFolder(bool withData)
{
    auto *dir = new QTemporaryDir;
    const QString modules = dir->path() + "/modules";
    for (const char *sub : {"setting", "i18n", "gun", "macro", "media", "img"})
        QDir().mkpath(modules + "/" + sub);
    if (withData) {
        const QString src = sourceDir() + "/modules";
        for (const char *sub : {"setting", "i18n", "gun"})
            copyTree(src + "/" + sub, modules + "/" + sub);
        const DiskLayout::Folders run = DiskLayout::portable(dir->path());
        if (QFile::exists(run.shippedPath(DiskLayout::appSettingsFactoryName())))
            QFile::copy(run.shippedPath(DiskLayout::appSettingsFactoryName()), run.appSettingsPath());
        for (int i = 0; i < DiskLayout::kProfileCount; ++i)
            if (QFile::exists(run.shippedPath(DiskLayout::profileFactoryName())))
                QFile::copy(run.shippedPath(DiskLayout::profileFactoryName()), run.profilePath(i));
    }
    QDir::setCurrent(dir->path());
    return dir;
}

QTemporaryDir *TestSupport::enterFreshSimulatedRun(bool withData)
{
    sim::reset();
    resetLinkState();
    return enterFreshRunFolder(withData);
}

SecrecyCode TestSupport::simulatedSecrecyCode()
{
    return {0, '5', '8', '3', '1', '2', '0', 0};
}

void TestSupport::writeApConfig(const QVariantMap &values, const QString &folder)
{
    QSettings s(DiskLayout::portable(folder).appSettingsPath(), QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    for (auto it = values.begin(); it != values.end(); ++it)
        s.setValue(it.key(), it.value());
    s.sync();
}

void TestSupport::writeMacroFile(const QString &path, const QStringList &lines, int index, int repeat, int did)
{
    QSettings s(path, QSettings::IniFormat);
    s.setValue(DiskLayout::Key::kMacroSlot, index);
    s.setValue(DiskLayout::Key::kMacroTotal, lines.size());
    s.setValue(DiskLayout::Key::kMacroRepeat, repeat);
    s.setValue(DiskLayout::Key::kMacroFamily, did);
    for (int i = 0; i < lines.size(); ++i)
        s.setValue(QStringLiteral("macro/%1").arg(i), lines.at(i));
}

QByteArray TestSupport::bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QVariantList TestSupport::ints(std::initializer_list<int> values)
{
    QVariantList out;
    for (int v : values)
        out.append(v);
    return out;
}

QList<int> TestSupport::toInts(const QVariant &list)
{
    QList<int> out;
    for (const QVariant &v : list.toList())
        out.append(v.toInt());
    return out;
}

// ---- messages ----
namespace {
// One capture is current at a time; a nested one saves and restores the outer's filter.
struct CaptureState {
    std::mutex mutex;
    QList<TestSupport::MessageCapture::Line> lines;
    TestSupport::MessageCapture::Keep keep = nullptr;
    QtMessageHandler forward = nullptr;   // the handler outside every capture
    QElapsedTimer clock;
};
CaptureState &state()
{
    static CaptureState s;
    return s;
}

void captureHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    CaptureState &s = state();
    QtMessageHandler forward = nullptr;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        if (s.keep && s.keep(type, context.category, msg))
            s.lines.append({s.clock.elapsed(), msg});
        forward = s.forward;
    }
    if (forward && type != QtDebugMsg)
        forward(type, context, msg);
}
} // namespace

TestSupport::MessageCapture::MessageCapture(Keep keep)
{
    CaptureState &s = state();
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        previousKeep = s.keep;
        s.keep = keep;
        s.lines.clear();
        s.clock.start();
    }
    previousHandler = qInstallMessageHandler(captureHandler);
    if (previousHandler != captureHandler) {
        std::lock_guard<std::mutex> lock(s.mutex);
        s.forward = previousHandler;
    }
}

TestSupport::MessageCapture::~MessageCapture()
{
    qInstallMessageHandler(previousHandler);
    CaptureState &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.keep = previousKeep;
    if (previousHandler != captureHandler)
        s.forward = nullptr;
}

QList<TestSupport::MessageCapture::Line> TestSupport::MessageCapture::lines()
{
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().lines;
}

QStringList TestSupport::MessageCapture::texts()
{
    QStringList out;
    for (const Line &l : lines())
        out.append(l.text);
    return out;
}

QStringList TestSupport::MessageCapture::take()
{
    const QStringList out = texts();
    std::lock_guard<std::mutex> lock(state().mutex);
    state().lines.clear();
    return out;
}

TestSupport::DebugCapture::DebugCapture()
    : MessageCapture([](QtMsgType type, const char *, const QString &) { return type == QtDebugMsg; })
{
}

// ---- dialogs ----
TestSupport::DialogRecorder::DialogRecorder()
{
    UserDialogs::setResponder([this](const DialogRequest &r) {
        requests.append(r);
        if (whileOpen)
            whileOpen();
        DialogAnswer a;
        a.button = button;
        if (!fileNames.isEmpty())
            a.fileName = fileNames.takeFirst();
        return a;
    });
}

TestSupport::DialogRecorder::~DialogRecorder() { UserDialogs::setResponder({}); }

// ---- windows ----
void TestSupport::OwnerWindow::closeEvent(QCloseEvent *e)
{
    ++closes;
    QWidget::closeEvent(e);
}

// ---- device log ----
QList<TestSupport::SeenCommand> TestSupport::seenCommands(sim::Family f, Echoes echoes)
{
    QList<SeenCommand> out;
    bool skipping = false;
    for (const sim::Received &r : sim::received(f)) {
        if (r.kind == sim::Received::Feature) {
            skipping = echoes == Echoes::Dropped && !r.block.empty() && r.block[0] == 0x00;
            if (skipping)
                continue;
            SeenCommand c;
            c.block = QByteArray(reinterpret_cast<const char *>(r.block.data()), int(r.block.size()));
            c.checksumOk = r.checksumOk;
            out.append(c);
        } else if (!skipping && !out.isEmpty() && r.wire.size() > 1) {
            out.last().bulk.append(reinterpret_cast<const char *>(r.wire.data()) + 1, int(r.wire.size()) - 1);
        }
    }
    return out;
}

QList<TestSupport::SeenCommand> TestSupport::seenCommandsWithCode(uchar code, sim::Family f, Echoes echoes)
{
    QList<SeenCommand> out;
    for (const SeenCommand &c : seenCommands(f, echoes))
        if (c.code() == code)
            out.append(c);
    return out;
}

QString TestSupport::hexOf(const std::vector<uint8_t> &bytes)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(bytes.data()), int(bytes.size())).toHex(' ').toUpper());
}
