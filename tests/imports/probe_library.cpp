// A DLL of our own: a program that imports from it is what the import check must refuse.
extern "C" __declspec(dllexport) int ProbeValue() { return 7; }
