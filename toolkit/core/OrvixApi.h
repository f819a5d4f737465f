#pragma once

// Marks the classes and functions OrvixUI.dll exports.
#ifdef ORVIXUI_BUILD
#define ORVIXUI_API __declspec(dllexport)
#else
#define ORVIXUI_API __declspec(dllimport)
#endif
