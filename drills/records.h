// The record holders file "files\phb.txt" (see records.md): one best speed per drill kind.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tavrel::drills {

constexpr const char* kRecordFile = "files\\phb.txt";
constexpr std::size_t kRecordCount = 12, kRecordSize = 15, kNameBytes = 10, kSpeedBytes = 5;

// The shown speed as the record check compares it: right-aligned to 5 bytes; a longer text
// becomes empty, so that it never beats a record.
std::string speed_for_check(std::string_view shown_speed);

// Whether `shown_speed` beats the stored speed of `kind`, comparing the right-aligned fields
// byte by byte; equal is no record, a blank record is beaten by any speed.
// Throws std::runtime_error when the file is missing or too short.
bool is_new_record(std::string_view file, int kind, std::string_view shown_speed);

// The name field: the typed name without surrounding blanks, cut to at most 10 bytes at a
// character boundary, filled with blanks to 10 bytes.
std::string name_field(std::string_view typed_name);

// Writes the record of `kind`; returns the speed right-aligned as it was stored (a speed of 5
// bytes or more is kept whole and its first 5 bytes are written).
std::string save_record(std::string_view file, int kind, std::string_view typed_name,
                        std::string_view speed);

// The 15 bytes of each record as they stand; a short file gives short or empty records, bytes
// beyond the twelfth record are ignored.
std::array<std::string, kRecordCount> read_records(std::string_view file);

// Overwrites every byte of the file with a blank; the file keeps its length.
void blank_records(std::string_view file);

}  // namespace tavrel::drills
