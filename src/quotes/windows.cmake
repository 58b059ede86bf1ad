# The quote area's windows.
target_sources(quadrivo_gui PRIVATE
  DefaultLogo.cpp IssuerSettings.cpp TfrmDatiVeicolo.cpp TfrmLogo.cpp TfrmMenuPreventivi.cpp TfrmNumerazione.cpp)
