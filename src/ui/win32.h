#pragma once
// The one place that pulls in the Windows headers for our Win32 layer.
#include <windows.h>
#include <shellapi.h>
