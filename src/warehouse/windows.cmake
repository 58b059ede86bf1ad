# The warehouse area's windows.
target_sources(quadrivo_gui PRIVATE TfrmDatiPneumatici.cpp TfrmGiacenza.cpp TfrmMagazzino.cpp TfrmMenuRiepilogo.cpp TfrmRiepilogo.cpp)
