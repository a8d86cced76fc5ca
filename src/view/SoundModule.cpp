#include "view/SoundModule.h"

#include "holmfc/ProgramPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

using CreatePlayer = CSoundPlayer* (*)();

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
    if (m_player && !path.isEmpty())
        m_player->Play(path.toStdString());
}

void CSoundModule::Load()
{
    m_loadTried = true;
    // Beside the program in a build folder; in the library folder once installed.
    for (const QString& folder : {QCoreApplication::applicationDirPath(), QStringLiteral(QV_SOUND_MODULE_DIR)}) {
        QLibrary library(QDir(folder).filePath(QStringLiteral("quorvale_sound")));
        if (const auto create = reinterpret_cast<CreatePlayer>(library.resolve("QvCreateSoundPlayer"))) {
            m_player.reset(create());
            return;
        }
    }
}
