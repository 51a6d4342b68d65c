/* A library beside the Win32 tests, under a name that the system folder does
   not hold: the ordinary search finds it there, and a library of the system's
   must never be taken from there. */
__declspec(dllexport) int planted(void) { return 1; }
