# The shared windows every card opens.
target_sources(quadrivo_gui PRIVATE TfrmAllegaCartella.cpp)
