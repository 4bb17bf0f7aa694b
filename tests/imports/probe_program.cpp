// Imports ProbeValue from probe_library.dll, a DLL that is not part of Windows.
extern "C" __declspec(dllimport) int ProbeValue();

int main() { return ProbeValue() == 7 ? 0 : 1; }
