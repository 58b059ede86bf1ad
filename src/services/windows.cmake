# The shared windows every card opens, and the base of the customer and supplier cards.
target_sources(quadrivo_gui PRIVATE CardAttachments.cpp CardPrintCommands.cpp ContactCard.cpp ExportGridModel.cpp
               ExportWindow.cpp ItemImportServices.cpp ListPrint.cpp ResultListModel.cpp ResultsPanel.cpp SearchServices.cpp
               Services.cpp SummaryListServices.cpp SummaryListWindow.cpp
               TfrmAllegaCartella.cpp TfrmImportaMagazzino.cpp TfrmTrova.cpp)
