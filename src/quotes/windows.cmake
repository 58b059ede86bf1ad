# The quote area's windows.
target_sources(quadrivo_gui PRIVATE
  IssuerSettings.cpp QuoteOutputDialog.cpp TfrmDatiVeicolo.cpp TfrmLogo.cpp TfrmMenuPreventivi.cpp TfrmNumerazione.cpp)
