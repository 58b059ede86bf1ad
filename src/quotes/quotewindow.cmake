# The quote window, split by part: panels, line pages, totals; with its input helpers.
target_sources(quadrivo_gui PRIVATE
  TfrmPreventivi.cpp TfrmPreventiviPanels.cpp TfrmPreventiviLines.cpp TfrmPreventiviTotals.cpp
  QuoteWindowInput.cpp QuoteWindowDate.cpp)
