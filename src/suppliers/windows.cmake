# The supplier area's windows.
target_sources(quadrivo_gui PRIVATE TfrmFornitori.cpp)
