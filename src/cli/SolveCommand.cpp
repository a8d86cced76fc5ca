#include "cli/Commands.h"

#include "cli/SolveArgs.h"
#include "file/NumberText.h"
#include "solve/ShotSolver.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// "1 shot", "2 shots".
std::string Shots(int count) { return std::to_string(count) + (count == 1 ? " shot" : " shots"); }

// One line that follows a search on a terminal, rewritten in place until the search ends, then
// cleared.
class CProgressLine {
public:
    CProgressLine(const CShotSolver& solver, std::ostream& out) : m_solver(solver), m_out(out)
    {
        m_thread = std::thread([this] { Run(); });
    }
    ~CProgressLine()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_one();
        m_thread.join();
        m_out << "\r\033[K" << std::flush;
    }

private:
    void Run()
    {
        std::unique_lock lock(m_mutex);
        while (!m_wake.wait_for(lock, std::chrono::milliseconds(250), [this] { return m_done; })) {
            const CSolveProgress progress = m_solver.GetProgress();
            m_out << "\r\033[Ksearching: best " << (progress.best > 0 ? Shots(progress.best) : "none") << ", none of "
                  << Shots(progress.depthProved) << " or fewer, ";
            if (progress.proving > 0)
                m_out << "proving " << Shots(progress.proving);
            else
                m_out << "looking ahead";
            m_out << ": " << progress.positionsDone << " of " << progress.positionsTotal << " positions, "
                  << progress.shots << " shots played, " << static_cast<long long>(progress.seconds) << " s"
                  << std::flush;
        }
    }

    const CShotSolver& m_solver;
    std::ostream& m_out;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_thread;
};

} // namespace

std::string FormatSolveAnswer(const CSolveResult& result, const CSolveOptions& options)
{
    const std::string limit = FormatShortest(options.timeLimit);
    switch (result.ending) {
    case SolvePar:
        return "par: " + std::to_string(result.shots.size());
    case SolveAtMost:
        return "par: at most " + std::to_string(result.shots.size()) + ", none of " + Shots(result.depthProved) +
               " or fewer (stopped after " + limit + " s)";
    case SolveNoneWithin:
        return "par: none within " + Shots(options.maxShots);
    case SolveUnreachable:
        return "par: none, the cup cannot be reached";
    default:
        return "par: none found in " + limit + " s, none of " + Shots(result.depthProved) + " or fewer";
    }
}

int RunSolve(const CliArgs& args, CCliIo& io)
{
    std::string file;
    CSolveOptions options;
    bool quiet = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        bool taken = false;
        const unsigned accepted = ArgMaxShots | ArgHeadings | ArgJobs | ArgTimeLimit | ArgMerge | ArgMinForgiveness;
        if (const int status = TakeSolveArg(args, i, accepted, options, taken, io); status != ExitOk)
            return status;
        if (taken)
            continue;
        if (args[i] == "--no-aim") {
            options.aim = false;
            continue;
        }
        if (args[i] == "--no-tunnel") {
            options.noTunnel = true;
            continue;
        }
        if (args[i] == "--quiet") {
            quiet = true;
            continue;
        }
        if (!file.empty() || (args[i] != "-" && args[i].starts_with("-")))
            return UnexpectedArgument(io, args[i]);
        file = args[i];
    }
    if (file.empty())
        return MissingArgument(io, "FILE");
    if (const int status = CheckJobs(options, io); status != ExitOk)
        return status;
    CLoadedLevel loaded;
    if (const int status = LoadLevelFile(file, loaded, io); status != ExitOk)
        return status;

    CShotSolver solver(loaded.level);
    CSolveResult result;
    if (io.errIsTerminal && !quiet) {
        const CProgressLine progress(solver, io.err);
        result = solver.Solve(options);
    } else {
        result = solver.Solve(options);
    }
    for (std::size_t i = 0; i < result.shots.size(); ++i) {
        const CPlayedShot& played = result.shots[i];
        io.out << "shot " << i + 1 << ": strength " << FormatExact(played.shot.strength) << " angle "
               << FormatExact(played.shot.angle) << " -> " << GetShotResultName(played.result);
        if (played.result != ShotCup)
            io.out << " x: " << FormatFixed(played.end.x) << " y: " << FormatFixed(played.end.y);
        io.out << " forgiveness: " << result.forgiveness[i] << '%';
        if (played.throughWall)
            io.out << " through a wall";
        io.out << '\n';
    }
    io.out << FormatSolveAnswer(result, options) << '\n';
    return FinishOutput(io);
}
