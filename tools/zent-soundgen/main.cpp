// zent-soundgen <output folder>
// Writes the theme's sounds as 16-bit mono PCM WAV files: sequences of sine
// tones and pauses, each a few hundred milliseconds long.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 16000;

struct Tone {
  double hz1;  // 0 for silence
  double hz2;  // second frequency mixed in, 0 for none
  int ms;
};

void put16(std::vector<unsigned char>& out, uint16_t v) {
  out.push_back(v & 0xff);
  out.push_back(v >> 8);
}
void put32(std::vector<unsigned char>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xff);
}

bool writeWav(const std::string& path, const std::vector<Tone>& tones) {
  std::vector<int16_t> samples;
  const double pi = std::acos(-1.0);
  for (const Tone& t : tones) {
    const int n = kRate * t.ms / 1000;
    const int fade = kRate / 200;  // 5 ms ramps avoid clicks
    for (int i = 0; i < n; ++i) {
      double v = 0.0;
      if (t.hz1 > 0) v += std::sin(2 * pi * t.hz1 * i / kRate);
      if (t.hz2 > 0) v += std::sin(2 * pi * t.hz2 * i / kRate);
      if (t.hz1 > 0 && t.hz2 > 0) v *= 0.5;
      double gain = 1.0;
      if (i < fade) gain = double(i) / fade;
      if (n - i < fade) gain = double(n - i) / fade;
      samples.push_back(int16_t(v * gain * 0.45 * 32767));
    }
  }
  std::vector<unsigned char> out;
  const uint32_t dataBytes = uint32_t(samples.size() * 2);
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  put32(out, 36 + dataBytes);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put32(out, 16);
  put16(out, 1);  // PCM
  put16(out, 1);  // mono
  put32(out, kRate);
  put32(out, kRate * 2);
  put16(out, 2);
  put16(out, 16);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  put32(out, dataBytes);
  for (int16_t s : samples) put16(out, uint16_t(s));
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zent-soundgen <output folder>\n");
    return 2;
  }
  const std::string dir = argv[1];
  struct Sound {
    const char* name;
    std::vector<Tone> tones;
  };
  const std::vector<Sound> sounds = {
      {"busy.wav", {{480, 620, 250}, {0, 0, 250}, {480, 620, 250}}},
      {"congestion.wav", {{480, 620, 120}, {0, 0, 120}, {480, 620, 120}, {0, 0, 120}}},
      {"incoming_message.wav", {{880, 0, 90}, {1320, 0, 120}}},
      {"calling.wav", {{440, 480, 400}, {0, 0, 200}}},
      {"call_waiting.wav", {{440, 0, 150}, {0, 0, 100}, {440, 0, 150}}},
      {"contact_online.wav", {{660, 0, 80}, {990, 0, 110}}},
      {"ring_classic.wav", {{440, 480, 400}, {0, 0, 150}, {440, 480, 400}}},
      {"ring_bright.wav", {{1046, 0, 120}, {1318, 0, 120}, {1568, 0, 200}}},
      {"ring_soft.wav", {{523, 0, 200}, {659, 0, 200}, {0, 0, 100}}},
  };
  for (const Sound& s : sounds) {
    if (!writeWav(dir + "/" + s.name, s.tones)) {
      std::fprintf(stderr, "zent-soundgen: cannot write %s/%s\n", dir.c_str(), s.name);
      return 1;
    }
  }
  return 0;
}
