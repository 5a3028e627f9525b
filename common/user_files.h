// The files the program writes, and each user's own copies of them when the program is installed.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace tavrel {

// One file the program writes: its path as the program spells it under the program directory,
// and its name in the user's own folder.
struct UserFile {
  const char* program_path;
  const char* user_name;
};

// Every file the program writes inside its data tree. An installed program keeps one copy per
// user of each; a new file the program writes is added here and nowhere else.
inline constexpr UserFile kUserFiles[] = {
    {"files\\phb.txt", "phb.txt"},        // record holders of the drills
    {"files\\record.dat", "record.dat"},  // top ten of the article tests
    {"files\\record.txt", "record.txt"},  // warm-up ranking
    {"files\\history.db", "history.db"},  // learning history (no shipped blank: made on first use)
};

// The user's own folder: $XDG_DATA_HOME/tavrel, or ~/.local/share/tavrel when that variable is
// unset, empty or relative (as the XDG base directory rules say).
std::filesystem::path user_data_folder(const char* xdg_data_home, const char* home);

// Where the user's files go for a program directory: nothing when the program's "files" folder
// can be written (the build folder, a copied tree), the user's own folder when it cannot or when
// the directory is an installed tree (".../share/tavrel/", shared by every user, root included).
std::optional<std::filesystem::path> user_files_folder(std::string_view program_dir,
                                                       bool files_folder_writable,
                                                       const char* xdg_data_home, const char* home);

// Start-up's decision for the real program: probes the folder and reads the environment.
void decide_user_files(std::string_view program_dir);

// From now on the files of kUserFiles under `program_dir` resolve to `user_folder`.
void keep_user_files_in(const std::filesystem::path& program_dir,
                        const std::filesystem::path& user_folder);
// Back to the files beside the program.
void keep_user_files_beside_program();

// A path resolved by the path mapping, or the user's own copy standing for it. On first use the
// copy is made from the shipped blank file (when there is one); an existing copy is never
// touched. Throws std::runtime_error (Chinese text) when the copy cannot be made.
std::filesystem::path user_file_for(const std::filesystem::path& resolved);

}  // namespace tavrel
