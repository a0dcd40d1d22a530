#include "host/windows/windowsCues.h"

#include <windows.h>

#include <cstdint>
#include <initializer_list>

#include "host/speech/cueTones.h"

namespace sonarch::windows {

namespace {
constexpr int sampleRate = 22050;

void putLittleEndian(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void putTag(std::vector<unsigned char>& out, const char (&tag)[5]) { out.insert(out.end(), tag, tag + 4); }

// A RIFF WAVE holding 16-bit mono PCM.
std::vector<unsigned char> waveFile(const std::vector<short>& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<unsigned char> wave;
    wave.reserve(44 + dataBytes);
    putTag(wave, "RIFF");
    putLittleEndian(wave, 36 + dataBytes, 4);
    putTag(wave, "WAVE");
    putTag(wave, "fmt ");
    putLittleEndian(wave, 16, 4);              // size of the format
    putLittleEndian(wave, 1, 2);               // PCM
    putLittleEndian(wave, 1, 2);               // channels
    putLittleEndian(wave, sampleRate, 4);
    putLittleEndian(wave, sampleRate * 2, 4);  // bytes a second
    putLittleEndian(wave, 2, 2);               // bytes a frame
    putLittleEndian(wave, 16, 2);              // bits a sample
    putTag(wave, "data");
    putLittleEndian(wave, dataBytes, 4);
    for (short sample : samples) putLittleEndian(wave, static_cast<std::uint16_t>(sample), 2);
    return wave;
}
}  // namespace

WindowsCues::~WindowsCues() { PlaySoundW(nullptr, nullptr, 0); }

void WindowsCues::play(Cue cue) {
    auto& wave = waves_[static_cast<std::size_t>(cue)];
    if (wave.empty()) wave = waveFile(speech::cueTones(cue, sampleRate));
    // Asynchronous, so that no sentence waits; no default beep when it fails.
    PlaySoundW(reinterpret_cast<LPCWSTR>(wave.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

}  // namespace sonarch::windows
