#include "sim/Ball.h"

#include "model/Level.h"
#include "sim/SoundPlayer.h"

#include <chrono>
#include <system_error>

CBall::CBall(int id) : m_id(id) { ResetDots(); }

CBall::~CBall()
{
    if (m_moving)
        Stop();
    FinishThread();
}

void CBall::AttachLevel(const CLevel* level)
{
    m_level = level;
    if (level) {
        m_x = level->GetBallX();
        m_y = level->GetBallY();
    }
    m_radius = 0.35;
    m_inCup = false;
    m_touchedCup = false;
    m_reach.Forget();
}

void CBall::Launch(double speed, double angle, int speedLevel)
{
    if (m_moving || !m_level)
        return;
    m_startX = m_x;
    m_startY = m_y;
    m_cupPull = 0;
    m_speedLevel = speedLevel;
    m_speed = speed;
    m_angle = angle;
    m_touchingWall = false;
    m_passedWall = false;
    m_stopRequested = false;
    m_moving = true;
    // The level may have changed since the last shot.
    m_reach.Forget();
}

bool CBall::Start(double speed, double angle, CBallListener* view, int speedLevel)
{
    if (m_moving || !view || !m_level || m_threadRunning)
        return false;
    // The previous shot's thread has left its loop; reap it before its fields are reused.
    if (m_thread.joinable())
        m_thread.join();
    Launch(speed, angle, speedLevel);
    m_view = view;
    m_threadRunning = true;
    try {
        m_thread = std::thread(BallThreadProc, this);
    } catch (const std::system_error& error) {
        Trace(std::string("Cannot start the ball thread: ") + error.what() + "\n");
        m_threadRunning = false;
        m_moving = false;
        return false;
    }
    return true;
}

int CBall::BallThreadProc(CBall* ball)
{
    while (ball->Tick()) {
        if (ball->m_speedLevel < kSuper)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ball->m_threadRunning = false;
    return 0;
}

bool CBall::Tick()
{
    if (m_radius <= 0 || m_stopRequested || !m_moving) {
        m_moving = false;
        return false;
    }
    const int level = m_speedLevel;
    int steps = m_resolution / 100;
    if (level < 0)
        steps = steps / (1 - level);
    else if (level > 0 && level < kUltra)
        steps = steps * (level + 1);
    else if (level == kUltra)
        steps = m_resolution / 10;
    for (int i = 0; i < steps && m_moving && !m_stopRequested; ++i)
        Advance();
    if (m_stopRequested)
        return m_moving;
    if (!m_moving) {
        Notify(m_inCup ? BallInCup : BallStopped);
        return false;
    }
    if (level != kUltra)
        Notify(BallMoved);
    return true;
}

bool CBall::Advance()
{
    Step();
    if (!m_inCup)
        ApplyRestRule();
    return m_moving;
}

void CBall::ApplyRestRule()
{
    if (m_speed > 0.47)
        m_slowSteps = 0;
    else if (m_slowSteps <= m_resolution * 3 / 3)
        ++m_slowSteps;
    else
        m_moving = false;
}

void CBall::Notify(int code)
{
    if (!m_view)
        return;
    if (code != BallMoved)
        Trace("Ball sending message: " + std::to_string(code) + "\n");
    m_view->OnBallNotify(m_id, code);
}

void CBall::Stop()
{
    if (m_moving && !m_threadRunning) {
        // A headless shot: the caller's own thread runs it, nothing to wait for.
        m_moving = false;
        return;
    }
    if (!m_moving || m_stopRequested) {
        Trace("No ball to stop.\n");
        return;
    }
    m_stopRequested = true;
    Trace("STOPSTART\n");
    while (m_moving) {
        if (!m_view->PumpEvents())
            return;
        std::this_thread::yield();
    }
    Trace("STOPEND\n");
}

void CBall::FinishThread()
{
    while (m_threadRunning) {
        m_view->PumpEvents();
        std::this_thread::yield();
    }
    if (m_thread.joinable())
        m_thread.join();
}

void CBall::PlaySound(const char* path)
{
    if (m_soundPlayer)
        m_soundPlayer->Play(path);
}

void CBall::Trace(const std::string& line)
{
    if (m_view)
        m_view->OnBallTrace(line);
}
