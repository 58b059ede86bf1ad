# The customer area's windows.
target_sources(quadrivo_gui PRIVATE TfrmClienti.cpp)
