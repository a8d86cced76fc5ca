#include "view/SoundModule.h"

#include "file/ProgramFiles.h"
#include "holmfc/ProgramPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QLoggingCategory>

namespace {

using CreatePlayer = CSoundPlayer* (*)();

// Which module and which files the sounds come from; off by default
// (QT_LOGGING_RULES="quorvale.sound.debug=true" turns it on).
Q_LOGGING_CATEGORY(lcSound, "quorvale.sound", QtWarningMsg)

} // namespace

CSoundModule::CSoundModule() = default;

CSoundModule::~CSoundModule() = default;

void CSoundModule::Play(const std::string& relativePath)
{
    {
        const std::lock_guard<std::mutex> lock(m_pendingMutex);
        m_pending.push_back(relativePath);
    }
    QMetaObject::invokeMethod(this, "PlayPending", Qt::QueuedConnection);
}

void CSoundModule::PlayPending()
{
    std::vector<std::string> paths;
    {
        const std::lock_guard<std::mutex> lock(m_pendingMutex);
        paths.swap(m_pending);
    }
    // Each sound stops the one before it.
    for (const std::string& path : paths)
        PlayNow(QString::fromStdString(path));
}

QString CSoundModule::FindSoundFile(const QString& relativePath)
{
    if (QFileInfo::exists(relativePath))
        return QFileInfo(relativePath).absoluteFilePath();
    const QString beside = FindProgramFile(relativePath);
    return QFileInfo::exists(beside) ? beside : QString();
}

void CSoundModule::PlayNow(const QString& relativePath)
{
    if (!m_loadTried)
        Load();
    const QString path = FindSoundFile(relativePath);
    if (m_player && !path.isEmpty()) {
        qCDebug(lcSound, "playing %s", qPrintable(path));
        m_player->Play(path.toStdString());
    }
}

void CSoundModule::Load()
{
    m_loadTried = true;
    // Beside the program in a build folder; once installed, in the library folder that the
    // install put where it lies from the program's folder, whatever the prefix.
    for (const std::string& folder : GetProgramFileFolders(QV_SOUND_MODULE_FROM_BINDIR)) {
        QLibrary library(QFile::decodeName(QByteArray::fromStdString(folder)) + QStringLiteral("quorvale_sound"));
        if (const auto create = reinterpret_cast<CreatePlayer>(library.resolve("QvCreateSoundPlayer"))) {
            qCDebug(lcSound, "sound module %s", qPrintable(QDir::cleanPath(library.fileName())));
            m_player.reset(create());
            return;
        }
    }
    qCDebug(lcSound, "no sound module: sounds stay silent");
}
