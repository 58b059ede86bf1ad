# The shared windows every card opens, and the base of the customer and supplier cards.
target_sources(quadrivo_gui PRIVATE ContactCard.cpp TfrmAllegaCartella.cpp ExportGridModel.cpp ExportWindow.cpp)
