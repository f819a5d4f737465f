#pragma once

#include <string>

// The folders every part of the program finds its files in.

// The running executable's folder, with a trailing backslash.
std::wstring GetProgramFolder();

// The per-user data folder, "<local application data>\<application name> Files\"; the
// application name is read on every call, so the folder follows the name in force.
std::wstring GetDataFolder();

// Creates `path` and every missing folder above it (the drive part excepted). True when the
// folder exists afterwards.
bool CreateFolderTree(const std::wstring& path);
