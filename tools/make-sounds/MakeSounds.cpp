// Synthesises the four sounds of test mode into a folder (default data/sounds):
//   Water.wav   a splash: a burst of filtered noise with a few bubbles
//   crowd.wav   a short disappointed "aww" from a small crowd
//   InCup.wav   the ball rattling into the cup and settling with a thud
//   HitWall.wav a short wooden knock
// 16-bit PCM, mono, 22050 Hz. Every number comes from a fixed-seed generator, so the files are
// the same on every run.
//
// Build and run from the repository's top folder:
//   c++ -std=c++20 -O2 -o /tmp/make-sounds tools/make-sounds/MakeSounds.cpp && /tmp/make-sounds data/sounds
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2 * std::numbers::pi;

using Samples = std::vector<double>;

// xorshift32: white noise in -1..1 and uniform numbers in 0..1.
class CNoise {
public:
    explicit CNoise(std::uint32_t seed) : m_state(seed) {}
    double Uniform()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state / 4294967296.0;
    }
    double White() { return 2 * Uniform() - 1; }

private:
    std::uint32_t m_state;
};

// A two-pole resonator: a band around the centre frequency, unity gain at the peak.
class CResonator {
public:
    CResonator(double frequency, double bandwidth) { Tune(frequency, bandwidth); }
    void Tune(double frequency, double bandwidth)
    {
        const double r = std::exp(-std::numbers::pi * bandwidth / kRate);
        m_a1 = 2 * r * std::cos(kTwoPi * frequency / kRate);
        m_a2 = -r * r;
        m_gain = 1 - r;
    }
    double Process(double x)
    {
        const double y = m_gain * x + m_a1 * m_y1 + m_a2 * m_y2;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_a1 = 0, m_a2 = 0, m_gain = 0, m_y1 = 0, m_y2 = 0;
};

Samples MakeBuffer(double seconds) { return Samples(static_cast<std::size_t>(seconds * kRate), 0.0); }

double Time(std::size_t i) { return static_cast<double>(i) / kRate; }

// Adds a decaying sine at start seconds: amplitude * e^(-t / decay) * sin(2 pi f t).
void AddPing(Samples& out, double start, double frequency, double amplitude, double decay)
{
    const std::size_t first = static_cast<std::size_t>(start * kRate);
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = Time(i - first);
        const double envelope = amplitude * std::exp(-t / decay);
        if (envelope < 1e-5)
            break;
        out[i] += envelope * std::sin(kTwoPi * frequency * t);
    }
}

// Adds a short click of filtered noise at start seconds.
void AddClick(Samples& out, CNoise& noise, double start, double frequency, double amplitude, double decay)
{
    CResonator band(frequency, frequency * 0.6);
    const std::size_t first = static_cast<std::size_t>(start * kRate);
    for (std::size_t i = first; i < out.size() && Time(i - first) < 8 * decay; ++i)
        out[i] += amplitude * 4 * band.Process(noise.White()) * std::exp(-Time(i - first) / decay);
}

// Fades the first and last milliseconds and scales the loudest sample to peak.
void Finish(Samples& samples, double peak)
{
    const std::size_t fade = kRate / 200;
    for (std::size_t i = 0; i < fade && i < samples.size(); ++i) {
        samples[i] *= static_cast<double>(i) / fade;
        samples[samples.size() - 1 - i] *= static_cast<double>(i) / fade;
    }
    double loudest = 0;
    for (double s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0)
        for (double& s : samples)
            s *= peak / loudest;
}

Samples Splash()
{
    CNoise noise(0x5EA5EA);
    Samples out = MakeBuffer(0.75);
    // The body of the splash: noise whose band sinks from bright to dull as it dies away.
    CResonator body(2600, 3000);
    CResonator low(700, 900);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Time(i);
        body.Tune(2600 - 1800 * std::min(t / 0.4, 1.0), 3000);
        const double attack = std::min(t / 0.012, 1.0);
        const double white = noise.White();
        out[i] = attack * (1.2 * body.Process(white) * std::exp(-t / 0.13) + 2.0 * low.Process(white) * std::exp(-t / 0.22));
    }
    // Bubbles: short rising chirps after the impact.
    for (int b = 0; b < 9; ++b) {
        const double start = 0.06 + 0.5 * noise.Uniform();
        const double base = 500 + 900 * noise.Uniform();
        const double amplitude = 0.05 + 0.06 * noise.Uniform();
        const std::size_t first = static_cast<std::size_t>(start * kRate);
        double phase = 0;
        for (std::size_t i = first; i < out.size() && Time(i - first) < 0.05; ++i) {
            const double t = Time(i - first);
            phase += kTwoPi * base * (1 + 12 * t) / kRate;
            out[i] += amplitude * std::sin(phase) * std::exp(-t / 0.012);
        }
    }
    Finish(out, 0.8);
    return out;
}

Samples CrowdAww()
{
    CNoise noise(0xA11CE5);
    Samples out = MakeBuffer(1.2);
    // Each voice is a buzzing glottal source at its own pitch, falling like a sigh, shaped by
    // the formants of an open "aw" that closes a little toward "oo" at the end.
    constexpr int kVoices = 14;
    for (int v = 0; v < kVoices; ++v) {
        const bool low = v % 2 == 0;
        const double pitch = (low ? 105 : 190) * (1 + 0.25 * noise.Uniform());
        const double onset = 0.08 * noise.Uniform();
        const double length = 0.9 + 0.3 * noise.Uniform();
        const double vibratoRate = 4.5 + 2 * noise.Uniform();
        const double level = 0.6 + 0.4 * noise.Uniform();
        CResonator f1(600, 110), f2(900, 140), f3(2450, 200);
        double phase = noise.Uniform();
        for (std::size_t i = static_cast<std::size_t>(onset * kRate); i < out.size(); ++i) {
            const double t = Time(i) - onset;
            if (t > length)
                break;
            const double progress = t / length;
            const double f = pitch * (1.12 - 0.3 * progress) * (1 + 0.012 * std::sin(kTwoPi * vibratoRate * t));
            phase += f / kRate;
            phase -= std::floor(phase);
            // A falling sawtooth with a little breath noise.
            const double source = (1 - 2 * phase) + 0.25 * noise.White();
            f1.Tune(650 - 200 * progress, 120);
            f2.Tune(1000 - 250 * progress, 150);
            const double voice = 1.0 * f1.Process(source) + 0.6 * f2.Process(source) + 0.15 * f3.Process(source);
            const double envelope = std::min(t / 0.12, 1.0) * std::min((length - t) / 0.35, 1.0);
            out[i] += level * envelope * voice;
        }
    }
    Finish(out, 0.75);
    return out;
}

Samples BallInCup()
{
    CNoise noise(0xC0FFEE);
    Samples out = MakeBuffer(0.7);
    // Bounces on the cup's rim and floor, each quieter and sooner than the one before.
    double at = 0.0;
    double gap = 0.11;
    double amplitude = 1.0;
    for (int hit = 0; hit < 9; ++hit) {
        const double ring = 2300 + 900 * noise.Uniform();
        AddClick(out, noise, at, 3500, 0.5 * amplitude, 0.0015);
        AddPing(out, at, ring, 0.35 * amplitude, 0.018);
        AddPing(out, at, ring * 1.52, 0.15 * amplitude, 0.010);
        at += gap;
        gap *= 0.72;
        amplitude *= 0.78;
    }
    // Settling on the bottom: a hollow thud.
    AddPing(out, at + 0.02, 180, 0.55, 0.06);
    AddPing(out, at + 0.02, 410, 0.25, 0.035);
    AddClick(out, noise, at + 0.02, 900, 0.3, 0.004);
    Finish(out, 0.8);
    return out;
}

Samples WallKnock()
{
    CNoise noise(0xB0A4D);
    Samples out = MakeBuffer(0.18);
    // A few modes of a wooden board, the higher ones dying sooner, over a click of contact.
    AddClick(out, noise, 0.0, 2500, 0.6, 0.002);
    AddPing(out, 0.0, 390, 0.9, 0.035);
    AddPing(out, 0.0, 1080, 0.45, 0.018);
    AddPing(out, 0.0, 2270, 0.2, 0.008);
    Finish(out, 0.8);
    return out;
}

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool WriteWave(const std::string& path, const Samples& samples)
{
    const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    PutLittleEndian(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    PutLittleEndian(bytes, 16, 4); // format chunk size
    PutLittleEndian(bytes, 1, 2);  // PCM
    PutLittleEndian(bytes, 1, 2);  // mono
    PutLittleEndian(bytes, kRate, 4);
    PutLittleEndian(bytes, kRate * 2, 4); // bytes per second
    PutLittleEndian(bytes, 2, 2);         // block align
    PutLittleEndian(bytes, 16, 2);        // bits per sample
    bytes += "data";
    PutLittleEndian(bytes, dataSize, 4);
    for (double s : samples) {
        const long value = std::lround(std::clamp(s, -1.0, 1.0) * 32767);
        PutLittleEndian(bytes, static_cast<std::uint32_t>(value), 2);
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : "data/sounds";
    const std::pair<const char*, Samples> sounds[] = {
        {"Water.wav", Splash()},
        {"crowd.wav", CrowdAww()},
        {"InCup.wav", BallInCup()},
        {"HitWall.wav", WallKnock()},
    };
    for (const auto& [name, samples] : sounds) {
        const std::string path = folder + "/" + name;
        if (!WriteWave(path, samples)) {
            std::fprintf(stderr, "error: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s: %zu samples\n", path.c_str(), samples.size());
    }
    return 0;
}
