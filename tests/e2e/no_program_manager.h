#pragma once
// The exchange between the e2e program and no_program_manager.dll, a test-only hook library that
// Wine loads into PIKTORAN's process as a message hook. Wine's desktop always serves Program
// Manager's DDE; on Windows no server answers while Explorer restarts, under another shell or on
// a system that has it switched off. The library answers the program's own calls as Windows does
// then: DdeConnect finds no server and returns 0, and DdeGetLastError tells
// DMLERR_NO_CONV_ESTABLISHED.
