// Strict SMF parsing and tempo-map timing for the tests, written apart from the writer.
#include "smf_reader.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

namespace tavrel::sound::testing {
namespace {

void need(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t count) {
  if (at + count > bytes.size()) throw std::runtime_error("SMF: unexpected end of data");
}

std::uint32_t be(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
  need(bytes, at, count);
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = value << 8 | bytes[at + i];
  return value;
}

// Data bytes that follow a channel status byte.
int data_length(std::uint8_t status) {
  const std::uint8_t kind = status & 0xF0;
  return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

}  // namespace

std::uint32_t read_variable_length(const std::vector<std::uint8_t>& bytes, std::size_t& at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    need(bytes, at, 1);
    const std::uint8_t byte = bytes[at++];
    value = value << 7 | (byte & 0x7F);
    if ((byte & 0x80) == 0) return value;
  }
  throw std::runtime_error("SMF: variable-length quantity longer than four bytes");
}

Smf read_smf(const std::vector<std::uint8_t>& bytes) {
  need(bytes, 0, 14);
  if (std::string(bytes.begin(), bytes.begin() + 4) != "MThd" || be(bytes, 4, 4) != 6) {
    throw std::runtime_error("SMF: bad header chunk");
  }
  Smf smf;
  smf.format = static_cast<int>(be(bytes, 8, 2));
  const std::uint32_t track_count = be(bytes, 10, 2);
  smf.division = static_cast<int>(be(bytes, 12, 2));
  std::size_t at = 14;
  for (std::uint32_t t = 0; t < track_count; ++t) {
    need(bytes, at, 8);
    if (std::string(bytes.begin() + at, bytes.begin() + at + 4) != "MTrk") {
      throw std::runtime_error("SMF: missing track chunk");
    }
    SmfTrack track;
    track.declared_length = be(bytes, at + 4, 4);
    const std::size_t end = at + 8 + track.declared_length;
    need(bytes, at + 8, track.declared_length);
    at += 8;
    std::uint32_t tick = 0;
    std::uint8_t running = 0;
    bool ended = false;
    while (at < end) {
      if (ended) throw std::runtime_error("SMF: events after end-of-track");
      tick += read_variable_length(bytes, at);
      need(bytes, at, 1);
      SmfEvent event;
      event.tick = tick;
      std::uint8_t status = bytes[at];
      if (status & 0x80) {
        ++at;
      } else if (running == 0) {
        throw std::runtime_error("SMF: data byte without a status");
      } else {
        status = running;
      }
      event.status = status;
      if (status == 0xFF) {
        need(bytes, at, 1);
        event.meta_type = bytes[at++];
        const std::uint32_t length = read_variable_length(bytes, at);
        need(bytes, at, length);
        event.data.assign(bytes.begin() + at, bytes.begin() + at + length);
        at += length;
        ended = event.meta_type == 0x2F;
      } else if (status == 0xF0 || status == 0xF7) {
        const std::uint32_t length = read_variable_length(bytes, at);
        need(bytes, at, length);
        at += length;
      } else {
        running = status;
        const int count = data_length(status);
        need(bytes, at, count);
        for (int i = 0; i < count; ++i) {
          if (bytes[at] & 0x80) throw std::runtime_error("SMF: status byte inside a message");
          event.data.push_back(bytes[at++]);
        }
      }
      track.events.push_back(std::move(event));
    }
    if (at != end) throw std::runtime_error("SMF: track chunk length disagrees with its events");
    if (!ended) throw std::runtime_error("SMF: track without end-of-track");
    smf.tracks.push_back(std::move(track));
  }
  if (at != bytes.size()) throw std::runtime_error("SMF: bytes after the last track");
  return smf;
}

double smf_seconds(const Smf& smf) {
  std::map<std::uint32_t, std::uint32_t> tempo_at;  // a later track's change at a tick wins
  std::uint32_t last = 0;
  for (const SmfTrack& track : smf.tracks) {
    for (const SmfEvent& event : track.events) {
      last = std::max(last, event.tick);
      if (event.status == 0xFF && event.meta_type == 0x51 && event.data.size() == 3) {
        tempo_at[event.tick] = event.data[0] << 16 | event.data[1] << 8 | event.data[2];
      }
    }
  }
  double seconds = 0;
  std::uint32_t tick = 0;
  double tempo = 500000;
  for (const auto& [at, micros] : tempo_at) {
    if (at > last) break;
    seconds += (at - tick) * tempo / smf.division / 1e6;
    tick = at;
    tempo = micros;
  }
  return seconds + (last - tick) * tempo / smf.division / 1e6;
}

}  // namespace tavrel::sound::testing
