// SPDX-License-Identifier: MIT
// Hand-off of a command to the running window (see Handoff.h).
#include "Handoff.h"
#include "CommandLine.h"
#include "SingleInstance.h"
#include "WindowContext.h"
#include <QUrl>

namespace Cli {

namespace {
const QString kWord = QStringLiteral("cli");
// A whole profile with its macros takes a few seconds on a slow link.
constexpr int kReplyTimeoutMs = 60000;

QString field(const QString &text) { return QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(text)); }

bool unfield(const QString &word, QString *text)
{
    if (!word.startsWith(QLatin1Char('=')))
        return false;
    *text = QUrl::fromPercentEncoding(word.mid(1).toLatin1());
    return true;
}
} // namespace

QString encodeCommand(const QString &base, const QStringList &arguments)
{
    QStringList words{kWord, field(base)};
    for (const QString &a : arguments)
        words.append(field(a));
    return words.join(QLatin1Char(' '));
}

bool decodeCommand(const QStringList &words, QString *base, QStringList *arguments)
{
    if (words.isEmpty() || !unfield(words.first(), base))
        return false;
    arguments->clear();
    for (int i = 1; i < words.size(); ++i) {
        QString a;
        if (!unfield(words.at(i), &a))
            return false;
        arguments->append(a);
    }
    return true;
}

QString encodeReply(const Result &result)
{
    return QStringLiteral("ok %1 %2 %3").arg(result.status).arg(field(result.out), field(result.err));
}

bool decodeReply(const QString &line, Result *result)
{
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool ok = false;
    if (words.size() != 4 || words.at(0) != QLatin1String("ok"))
        return false;
    result->status = words.at(1).toInt(&ok);
    return ok && unfield(words.at(2), &result->out) && unfield(words.at(3), &result->err);
}

bool handOff(const QString &settingsFolder, const QString &base, const QStringList &arguments, Result *result)
{
    const QString reply = SingleInstance::send(settingsFolder, encodeCommand(base, arguments), kReplyTimeoutMs);
    return !reply.isEmpty() && decodeReply(reply, result);
}

void installWindowCommands(SingleInstance &instance, Widget *window)
{
    instance.setHandler(kWord, [window](const QStringList &words) {
        QString base;
        QStringList arguments;
        if (!decodeCommand(words, &base, &arguments))
            return QStringLiteral("error malformed command");
        WindowContext context(window);
        return encodeReply(execute(arguments, base, [&context]() -> Context & { return context; }));
    });
}

} // namespace Cli
