// The help pages: the same texts feed the help window and the printed guide (Guida.pdf).
// QtCore only, so the guide's build tool links them without the windows.
#include "Help.h"

#include <QStringList>
#include <initializer_list>

namespace {

const QString kParagraphBreak = QStringLiteral("\r\n\r\n");

QString paragraphs(std::initializer_list<const char16_t *> list)
{
    QStringList out;
    for (const char16_t *p : list)
        out << QString::fromUtf16(p);
    return out.join(kParagraphBreak);
}

QString generale()
{
    return paragraphs({
        u"Quadrivo gestisce le pratiche quotidiane di una piccola impresa: l'anagrafica dei clienti e dei "
        u"fornitori, il magazzino dei prodotti e dei servizi con giacenze, prezzi e inventari, i preventivi "
        u"emessi ai clienti e lo scadenzario dei pagamenti e degli appuntamenti. Ogni archivio può essere "
        u"consultato, stampato, esportato in un foglio di calcolo e, dove serve, salvato in formato PDF.",

        u"Tutti i dati risiedono nella cartella del programma: gli archivi Clienti.pro, Fornitori.pro e "
        u"Magazzino.pro, un archivio dei preventivi per ogni anno (ad esempio 2024.pre), un archivio delle "
        u"scadenze per ogni anno (ad esempio 2024.sca), le impostazioni della Ditta emittente nel file "
        u"Taccuino.ini, il logo Logo.bmp e la password di accesso. Per una copia di sicurezza è sufficiente "
        u"copiare l'intera cartella; per lo stesso motivo il programma può funzionare da una chiavetta USB "
        u"o da una cartella condivisa in rete, anche da più postazioni contemporaneamente.",

        u"Accesso. All'avvio il programma chiede la password. Per il primo accesso dopo l'installazione "
        u"usare la password parolainiziale; le lettere possono essere digitate indifferentemente in "
        u"maiuscolo o in minuscolo. Con il pulsante Cambia Password è possibile scegliere una password "
        u"personale: indicare la vecchia password, la nuova e la sua conferma, poi premere OK.",

        u"Il menu principale presenta le sei aree di lavoro. Si accede a un'area facendo clic sulla sua "
        u"immagine o sul pulsante sottostante; la finestra di lavoro sostituisce il menu, che ricompare "
        u"quando la finestra viene chiusa con il pulsante Esci.",

        u"Clienti: l'anagrafica dei clienti, con dati personali e di residenza, recapiti, codice fiscale, "
        u"partita IVA, IBAN, carta di credito, documento di identità, note e fino a tre file allegati.",

        u"Fornitori: l'anagrafica delle ditte fornitrici, con indirizzo, modalità di pagamento, recapiti, "
        u"dati fiscali, articoli forniti, offerte e modalità di ordine della merce.",

        u"Magazzino: una scheda per ogni prodotto o servizio venduto, con fornitore, giacenza, soglia di "
        u"sottoscorta, costo, valore della merce, prezzo con e senza IVA e collocazione in magazzino.",

        u"Inventario: l'elenco degli articoli in magazzino, di tutti o di una sola tipologia, con costo, "
        u"giacenza, valore e valore totale della merce; l'inventario può essere stampato.",

        u"Preventivi: l'emissione dei preventivi ai clienti, con un archivio per ogni anno solare, trenta "
        u"righe di articoli, sconti, righe esenti da IVA, calcolo dei totali, numerazione automatica, "
        u"stampa e salvataggio in PDF con il logo della Ditta.",

        u"Scadenzario: le scadenze dei pagamenti e gli appuntamenti, con un archivio per ogni anno, "
        u"l'avviso delle scadenze imminenti e gli elenchi delle scadenze di un giorno o di un mese.",

        u"Le schede. Le finestre dei clienti, dei fornitori, del magazzino, dei preventivi e dello "
        u"scadenzario mostrano una scheda alla volta e funzionano tutte allo stesso modo. Il numero in "
        u"basso indica la posizione in archivio della scheda visualizzata; quando è vuoto la scheda è "
        u"nuova e non è ancora stata salvata. Le quattro frecce mostrano la prima scheda, la precedente, "
        u"la successiva e l'ultima. Il campo in cui si sta scrivendo è evidenziato in giallo e il tasto "
        u"Invio porta al campo successivo. La riga in fondo alla finestra descrive il pulsante su cui si "
        u"trova il mouse.",

        u"Nuovo svuota la scheda per inserire nuovi dati. Duplica trasforma la scheda visualizzata, già "
        u"salvata, in una nuova scheda con gli stessi dati, utile per registrare schede simili: i file "
        u"allegati non vengono copiati e, nello scadenzario, giorno e mese vanno scelti di nuovo. "
        u"Salva registra la scheda in archivio: una scheda nuova viene aggiunta in fondo all'archivio, una "
        u"scheda già presente viene aggiornata al suo posto. Le schede non vengono mai cancellate.",

        u"Attenzione: le modifiche vengono scritte in archivio solo premendo Salva. Spostandosi su "
        u"un'altra scheda, premendo Nuovo o chiudendo la finestra, le modifiche non salvate vanno perse "
        u"senza alcuna richiesta di conferma. Ogni volta che viene aperta, una finestra di lavoro mostra "
        u"una scheda vuota.",

        u"Ricerca. Il pulsante Trova apre la finestra di ricerca dell'archivio: scrivere nei campi "
        u"prescelti una o più parole consecutive contenute nelle schede da trovare, lasciare in bianco gli "
        u"altri campi e premere Cerca. Maiuscole e minuscole sono equivalenti; se tutti i campi sono vuoti "
        u"vengono elencate tutte le schede. Nell'elenco dei risultati il pulsante Trova porta alla prima "
        u"voce che contiene il testo indicato e, premuto di nuovo, alle successive. Un doppio clic su una "
        u"voce richiama la scheda nella finestra di lavoro; Stampa stampa l'elenco.",

        u"Elenchi riepilogativi. Ogni area offre uno o più elenchi delle schede che richiedono attenzione: "
        u"clienti e fornitori da ricontattare, articoli sottoscorta, preventivi in sospeso, appuntamenti "
        u"da confermare, pagamenti da effettuare e pagamenti effettuati. Anche questi elenchi si possono "
        u"scorrere con Trova, stampare e, con un doppio clic, richiamare una scheda.",

        u"Stampa e PDF. Il pulsante Stampa stampa la scheda così come appare sullo schermo, anche se non "
        u"è stata salvata; Anteprima la mostra prima della stampa; Crea PDF la salva nella cartella del "
        u"programma (Cliente.pdf, Fornitore.pdf, Articolo.pdf, Preventivo.pdf), sostituendo il file "
        u"precedente, e propone di aprirla.",

        u"Esportazione. Il pulsante Esporta archivio mostra le schede dell'archivio in una tabella e le "
        u"salva in un file di Microsoft Excel nella cartella del programma, che può essere aperto con "
        u"qualsiasi programma di fogli di calcolo.",

        u"File allegati. Alle schede dei clienti, dei fornitori e degli articoli si possono collegare fino "
        u"a tre file (contratti, schede tecniche, fotografie) con una descrizione. Il programma ricorda "
        u"soltanto il percorso del file, che non viene copiato: spostando o rinominando il file, il "
        u"collegamento non funziona più. Il percorso non può superare i 250 caratteri né contenere "
        u"lettere di alfabeti che l'archivio non sa memorizzare (cirillico, cinese e simili).",

        u"Controlli. Accanto ai campi del codice fiscale, della partita IVA, della carta di credito e "
        u"dell'IBAN si trovano i pulsanti che ne verificano la correttezza formale; il controllo non "
        u"modifica mai la scheda.",

        u"Dal menu principale si aprono inoltre questa guida, le informazioni sul programma con il "
        u"recapito per richiedere assistenza, i crediti e il sito web. In ogni finestra di lavoro il "
        u"pulsante Guida apre la pagina relativa all'area in uso; la guida completa è disponibile anche "
        u"in formato PDF (Guida.pdf).",
    });
}

QString clienti()
{
    return paragraphs({
        u"L'anagrafica clienti raccoglie i dati dei clienti dell'impresa nell'archivio Clienti.pro. Ogni "
        u"scheda contiene i dati personali e di residenza, i recapiti telefonici e di posta elettronica, "
        u"i dati fiscali e di pagamento, un documento di identità, gli interessi del cliente, le "
        u"questioni in sospeso, le note e fino a tre file allegati.",

        u"I campi sono raccolti in cinque riquadri: dati anagrafici e residenza; telefoni, PEC ed e-mail; "
        u"codice fiscale, carta di credito, partita IVA e IBAN; documento di identità e prodotti e servizi "
        u"di interesse; questioni in sospeso, la casella Da ricontattare, le note e il Codice Destinatario "
        u"per la fatturazione elettronica (7 caratteri).",

        u"Per salvare una scheda sono obbligatori il cognome e il nome del cliente; gli altri campi sono "
        u"facoltativi e non vengono controllati. Le date (nascita, rilascio e scadenza del documento, "
        u"scadenza della carta) sono testo libero.",

        u"Regole di scrittura. Nei campi Cognome, Nome, Denominazione Ditta, Telefono preferenziale, "
        u"indirizzo, Comune di residenza, provincia di residenza, PEC, Codice fiscale, IBAN e Codice "
        u"Destinatario non si possono digitare le lettere accentate né i simboli & / < > £ ° (nella "
        u"denominazione della Ditta la & è ammessa): al posto delle vocali accentate usare l'apostrofo, "
        u"ad esempio Nicolo'. Il CAP, la carta di credito e la partita IVA accettano solo cifre. Il sesso, "
        u"le province, il codice fiscale, l'IBAN e il Codice Destinatario vengono scritti automaticamente "
        u"in maiuscolo. Le province si scelgono dall'elenco o si digitano con due lettere.",

        u"Nuovo prepara una scheda vuota. Duplica, partendo da una scheda già salvata, crea una nuova "
        u"scheda con gli stessi dati ma senza allegati: è utile per registrare un familiare cambiando "
        u"solo ciò che differisce. Salva aggiunge la nuova scheda all'archivio o aggiorna quella "
        u"visualizzata.",

        u"Le frecce in basso mostrano la prima, la precedente, la successiva e l'ultima scheda "
        u"dell'archivio; il numero accanto indica la posizione della scheda visualizzata.",

        u"Trova apre la ricerca dei clienti per cognome, ditta, partita IVA, codice fiscale, comune, "
        u"cellulare, prodotti di interesse, Codice Destinatario, questioni in sospeso e note; un doppio "
        u"clic su un risultato richiama la scheda.",

        u"Da ricontattare: spuntare la casella per ricordare di richiamare il cliente per una questione "
        u"in sospeso e salvare la scheda. L'apposito pulsante mostra l'elenco dei clienti da "
        u"ricontattare, in ordine alfabetico, con telefono, codice fiscale, comune e questioni in "
        u"sospeso.",

        u"Il pulsante accanto all'e-mail apre il programma di posta con l'indirizzo del cliente già "
        u"inserito. I pulsanti accanto al codice fiscale, alla partita IVA, alla carta di credito e "
        u"all'IBAN ne controllano la correttezza; un codice fiscale composto di sole cifre, come quello "
        u"delle società, viene controllato come partita IVA.",

        u"Allega file apre la finestra degli allegati: con Sfoglia si sceglie il file, si scrive una "
        u"descrizione e si preme Applica e chiudi; poi occorre premere Salva. Il pulsante Apri della "
        u"finestra degli allegati apre il file con il programma associato.",

        u"Stampa, Anteprima e Crea PDF producono la scheda anagrafica del cliente su una pagina A4; il "
        u"PDF viene salvato come Cliente.pdf nella cartella del programma. Esporta archivio salva tutti "
        u"i clienti nel file Clienti.xls.",

        u"Esci chiude la finestra e torna al menu principale; le modifiche non salvate vanno perse.",
    });
}

QString fornitori()
{
    return paragraphs({
        u"L'anagrafica fornitori raccoglie le ditte da cui l'impresa acquista, nell'archivio "
        u"Fornitori.pro: denominazione e titolare, indirizzo e modalità di pagamento concordate, "
        u"telefoni, fax ed e-mail, dati fiscali e di pagamento, articoli forniti, offerte e sconti, "
        u"modalità di ordine della merce, questioni in sospeso, note e fino a tre file allegati.",

        u"Per salvare una scheda è obbligatoria soltanto la denominazione della Ditta. Tutti i campi "
        u"accettano qualsiasi carattere, comprese le lettere accentate e la &; la carta di credito e la "
        u"partita IVA accettano solo cifre; la provincia, il codice fiscale e l'IBAN vengono scritti in "
        u"maiuscolo.",

        u"Se uno stesso fornitore tratta linee di prodotti diverse, conviene registrare una scheda per "
        u"ogni linea: compilata e salvata la prima, premere Duplica, modificare gli articoli forniti, le "
        u"offerte e la modalità di ordine e premere Salva.",

        u"La modalità di ordine della merce, il telefono preferenziale e la denominazione vengono copiati "
        u"nelle schede del magazzino quando si importa il fornitore con la freccia accanto al campo "
        u"Fornitore.",

        u"Nuovo, Duplica, Salva, le frecce di scorrimento, Trova, Stampa, Anteprima, Crea PDF "
        u"(Fornitore.pdf), Allega file ed Esporta archivio (Fornitori.xls) funzionano come nelle schede "
        u"dei clienti. La ricerca avviene per denominazione, titolare, partita IVA, codice fiscale, "
        u"indirizzo, città, articoli forniti, offerte, questioni in sospeso e note.",

        u"Da ricontattare: spuntare la casella per ricordare di richiamare il fornitore e salvare; "
        u"l'apposito pulsante mostra l'elenco dei fornitori da ricontattare con titolare, telefono e "
        u"questioni in sospeso.",

        u"I pulsanti accanto all'e-mail, al codice fiscale, alla partita IVA, alla carta di credito e "
        u"all'IBAN inviano un messaggio al fornitore o controllano i codici, senza modificare la scheda.",

        u"Esci chiude la finestra e torna al menu principale; le modifiche non salvate vanno perse.",
    });
}

QString magazzino()
{
    return paragraphs({
        u"Il magazzino contiene una scheda per ogni prodotto o servizio venduto, nell'archivio "
        u"Magazzino.pro. La scheda è divisa in quattro riquadri: il prodotto (codice, tipologia, marca, "
        u"modello, descrizione, accessori), il fornitore e l'acquisto, la giacenza e i prezzi, la "
        u"collocazione in magazzino e le note.",

        u"Per salvare una scheda è obbligatorio il codice articolo. Due articoli possono avere lo stesso "
        u"codice: il programma non lo impedisce, per cui conviene controllare con Trova prima di inserire "
        u"un nuovo articolo. La tipologia (ad esempio Ricambi o Elettrico) serve a ottenere l'inventario "
        u"di un solo tipo di merce.",

        u"Fornitore: la freccia accanto al campo apre la ricerca dei fornitori; con un doppio clic sul "
        u"fornitore scelto vengono copiati nella scheda la denominazione, il telefono preferenziale e la "
        u"modalità di ordine della merce.",

        u"Giacenza e sottoscorta accettano solo numeri interi; costo, valore, prezzo e prezzo con IVA "
        u"accettano cifre e virgola, e vengono scritti con almeno due decimali (ad esempio 12,50). Un "
        u"campo numerico lasciato vuoto vale 0 o 0,00.",

        u"I pulsanti + e - aprono la finestra di aggiornamento della giacenza: indicare la quantità da "
        u"aggiungere o da sottrarre, premere Calcola totale per vedere la nuova giacenza e Applica e "
        u"chiudi per riportarla nella scheda, che va poi salvata.",

        u"Calcola valore calcola il valore della merce in magazzino moltiplicando il costo per la "
        u"giacenza. Calcola ricava il prezzo IVA inclusa dal prezzo e dall'aliquota IVA; Scorpora fa "
        u"l'inverso, ricavando il prezzo senza IVA dal prezzo IVA inclusa.",

        u"Importante: al momento del salvataggio il programma ricalcola sempre il prezzo con IVA a "
        u"partire dal prezzo e dall'aliquota, e il valore a partire da costo e giacenza. Se si conosce "
        u"soltanto il prezzo IVA inclusa, scriverlo nel campo Prezzo con IVA e premere Scorpora prima di "
        u"Salva, altrimenti verrebbe sostituito.",

        u"Avviso sottoscorta: indicare il numero di pezzi al di sotto del quale l'articolo va riordinato. "
        u"Il pulsante Sottoscorta mostra l'elenco dei materiali in esaurimento, cioè degli articoli la cui "
        u"giacenza è uguale o inferiore alla soglia indicata.",

        u"Altre informazioni apre una finestra per l'altezza, la larghezza, la lunghezza e la scadenza "
        u"del prodotto: dopo Applica e chiudi occorre premere Salva.",

        u"Cerca sul Web cerca in Internet la marca e il modello dell'articolo; la marca deve essere "
        u"indicata.",

        u"Quando un articolo viene importato in un preventivo, la sua giacenza può essere scaricata "
        u"automaticamente: la scheda mostra la nuova giacenza la prossima volta che viene richiamata.",

        u"Nuovo, Duplica (che mantiene tutti i dati tranne gli allegati), Salva, le frecce, Trova, Stampa, "
        u"Crea PDF (Articolo.pdf), Allega file ed Esporta archivio (Magazzino.xls) funzionano come nelle "
        u"altre schede. Esci torna al menu principale; le modifiche non salvate vanno perse.",
    });
}

QString inventario()
{
    return paragraphs({
        u"L'inventario elenca gli articoli del magazzino con il costo, la giacenza e il valore di "
        u"ciascuno e somma il valore totale della merce.",

        u"Nella prima finestra indicare una tipologia di articoli e premere Visualizza. Vengono elencati "
        u"gli articoli la cui tipologia contiene il testo indicato, senza distinguere maiuscole e "
        u"minuscole: ad esempio ric elenca sia gli articoli di tipo Ricambi sia quelli di tipo Ricambi "
        u"auto. Per l'inventario di tutto il magazzino premere Visualizza senza indicare alcuna "
        u"tipologia; gli articoli senza tipologia compaiono soltanto in questo caso.",

        u"Ogni riga dell'elenco mostra codice, marca e modello, costo, giacenza e valore dell'articolo; "
        u"le righe sono in ordine di codice. In basso si leggono il valore totale e il numero degli "
        u"articoli elencati.",

        u"Il valore di ogni articolo è quello registrato nella sua scheda. Se si modificano costo o "
        u"giacenza, salvare la scheda dell'articolo: al salvataggio il valore viene ricalcolato.",

        u"Per trovare un articolo nell'elenco scrivere una o più parole nel campo di ricerca e premere "
        u"Trova; premendo di nuovo Trova si passa alla voce successiva che contiene le stesse parole.",

        u"Stampa inventario stampa l'elenco con il valore totale, su fogli A4 orizzontali.",

        u"Esci chiude l'elenco; l'inventario viene ricalcolato dall'archivio ogni volta che si preme "
        u"Visualizza. Chiudendo la prima finestra si torna al menu principale.",
    });
}

QString preventivi()
{
    return paragraphs({
        u"I preventivi sono conservati in un archivio per ogni anno solare (ad esempio 2024.pre). Nella "
        u"prima finestra indicare l'anno con quattro cifre e premere Apri: si apre la finestra dei "
        u"preventivi di quell'anno. Per cambiare anno occorre tornare al menu principale. Dalla stessa "
        u"finestra, Imposta logo Ditta permette di scegliere il logo stampato sui preventivi.",

        u"La finestra dei preventivi contiene i dati della Ditta emittente, i dati del cliente, il "
        u"numero e la data del preventivo, il pagamento, la banca d'appoggio e l'IBAN, trenta righe di "
        u"articoli e i totali. I dati della Ditta emittente, il pagamento, la banca, l'IBAN e l'aliquota "
        u"IVA vengono ricordati alla chiusura della finestra e riproposti nei preventivi successivi.",

        u"Nuovo prepara un nuovo preventivo e propone il numero successivo (numero iniziale più il "
        u"numero dei preventivi già registrati nell'anno) e la data di oggi; il numero può essere "
        u"modificato. Il numero iniziale si imposta con il pulsante della numerazione. Per aggiungere l'anno "
        u"ai "
        u"numeri proposti (ad esempio 12/2024) scrivere Indicazione Anno Solare=Sì nella sezione "
        u"[Numerazione Preventivi] del file Taccuino.ini.",

        u"Cliente: la freccia accanto al nome apre la ricerca dei clienti; con un doppio clic vengono "
        u"copiati denominazione o cognome e nome, indirizzo, CAP, città, provincia, partita IVA e codice "
        u"fiscale del cliente. Il pulsante accanto alla data inserisce la data di oggi.",

        u"Righe degli articoli: le trenta righe sono mostrate cinque alla volta; le frecce accanto alle "
        u"righe mostrano le cinque successive o precedenti. Per ogni riga indicare quantità, codice, "
        u"descrizione, prezzo unitario e sconto in percentuale; spuntare Es. se l'articolo è esente da "
        u"IVA. Quantità, prezzo e sconto accettano solo cifre e virgola.",

        u"La freccia di ogni riga importa un articolo dal magazzino: cercare l'articolo, selezionarlo con "
        u"un clic, indicare la quantità da scaricare e scegliere se aggiornare la giacenza in magazzino "
        u"o importare l'articolo senza aggiornarla. Vengono copiati nella riga il codice, la descrizione e "
        u"il prezzo senza IVA. L'aggiornamento della giacenza è immediato e resta valido anche se il "
        u"preventivo non viene salvato; non è possibile scaricare più pezzi di quelli in giacenza.",

        u"Calcola calcola l'importo di ogni riga (quantità per prezzo, meno lo sconto) e i totali: "
        u"imponibile, imposta, totale IVA inclusa, totale esente e totale del preventivo. Una riga con "
        u"prezzo ma senza quantità vale una unità. Quando si modifica una quantità, un prezzo, uno sconto "
        u"o l'aliquota, gli importi interessati si svuotano fino al calcolo successivo.",

        u"Salva ricalcola i totali e registra il preventivo. Sono obbligatori il cliente, il numero e "
        u"una data valida nel formato gg/mm/aaaa. Spuntare In sospeso finché il cliente non ha accettato "
        u"il preventivo: l'apposito pulsante mostra l'elenco dei preventivi in sospeso dell'anno.",

        u"Altre informazioni apre la finestra dei dati del trasporto: destinazione della merce, vettore, "
        u"aspetto esteriore dei beni, porto, causale del trasporto e numero dei colli. Dopo Applica e "
        u"chiudi premere Salva.",

        u"Stampa, Anteprima e Crea PDF producono il documento del preventivo su una pagina A4 con il "
        u"logo della Ditta, così come appare sullo schermo; il PDF viene salvato come Preventivo.pdf "
        u"nella cartella del programma. Il logo si imposta con l'apposito pulsante: caricare un'immagine "
        u"JPEG o Bitmap, preferibilmente di 297 x 184 pixel; senza logo viene stampato il simbolo "
        u"dell'euro.",

        u"Trova cerca i preventivi dell'anno per numero, data, cliente, indirizzo, città, pagamento, "
        u"partita IVA, codice fiscale, riferimenti e note. Esporta archivio salva i preventivi dell'anno "
        u"nel file Preventivi.xls. Le frecce in basso scorrono i preventivi dell'anno.",

        u"Esci salva i dati della Ditta emittente e torna al menu principale; le modifiche non salvate "
        u"al preventivo vanno perse.",
    });
}

QString scadenzario()
{
    return paragraphs({
        u"Lo scadenzario raccoglie le scadenze dei pagamenti e gli appuntamenti, in un archivio per ogni "
        u"anno solare (ad esempio 2024.sca).",

        u"All'apertura la finestra controlla le scadenze dell'anno in corso: se ce ne sono di imminenti "
        u"compare la scritta Ci sono scadenze e viene emesso un avviso sonoro; il pulsante OK mostra "
        u"l'elenco delle scadenze imminenti. Una scadenza è imminente dal giorno che precede la sua data "
        u"del numero di giorni di preavviso indicato nella scheda fino al giorno della scadenza compreso.",

        u"Per consultare le scadenze di un giorno o di un mese, selezionare una data nel calendario e "
        u"premere SCADENZE DEL GIORNO o SCADENZE DEL MESE.",

        u"Per inserire o modificare le scadenze indicare l'anno con quattro cifre e premere Apri. Giorno, "
        u"mese, ora e minuti si scelgono dagli elenchi a discesa; l'importo accetta cifre e virgola, i "
        u"giorni di preavviso solo cifre.",

        u"Per salvare una scheda sono obbligatori il giorno, il mese, l'ora, i minuti, i giorni di "
        u"preavviso, il nome del contatto e la causale della scadenza; la data deve esistere (ad esempio "
        u"il 31 aprile viene rifiutato).",

        u"La freccia accanto al contatto importa dall'archivio dei clienti il cognome e nome, il codice "
        u"fiscale, il comune, le questioni in sospeso e i telefoni. Il pulsante accanto al codice fiscale "
        u"ne controlla la correttezza.",

        u"Spuntare Appuntamento da confermare per gli appuntamenti in attesa di conferma e Pagamento "
        u"effettuato quando la scadenza è stata pagata. I pulsanti Da confermare, Da effettuare ed "
        u"Effettuati mostrano gli elenchi degli appuntamenti da confermare, dei pagamenti da effettuare "
        u"(scaduti e non) e dei pagamenti effettuati.",

        u"Duplica serve per le scadenze che si ripetono nell'anno: dopo aver salvato una scheda, premere "
        u"Duplica, scegliere il nuovo giorno e il nuovo mese e premere Salva. Tutti gli altri dati "
        u"vengono mantenuti.",

        u"Nuovo, Salva, le frecce, Trova, Anteprima, Stampa ed Esporta archivio "
        u"(Scadenze_e_Appuntamenti.xls) funzionano come nelle altre schede. Esci torna al menu "
        u"principale; le modifiche non salvate vanno perse.",
    });
}

QString esportazione(const char16_t *archive, const char16_t *file, const char16_t *notExported)
{
    QStringList out;
    out << QString::fromUtf16(u"La finestra mostra in una tabella %1 così come sarà esportato: una riga "
                              u"per ogni scheda, nell'ordine in cui le schede sono registrate.")
               .arg(QString::fromUtf16(archive));
    out << QString::fromUtf16(
               u"Il pulsante di esportazione salva la tabella nel file %1 nella cartella del "
               u"programma, sostituendo l'eventuale file precedente, e propone di aprirlo. Il "
               u"file può essere aperto con Microsoft Excel o con qualsiasi altro programma di "
               u"fogli di calcolo. L'operazione può richiedere qualche minuto se l'archivio "
               u"contiene molte schede.")
               .arg(QString::fromUtf16(file));
    out << QString::fromUtf16(u"Alcune colonne della tabella possono essere modificate prima "
                              u"dell'esportazione: le modifiche passano nel file esportato ma non "
                              u"nell'archivio, che resta invariato.");
    if (notExported)
        out << QString::fromUtf16(notExported);
    out << QString::fromUtf16(u"Se l'esportazione non riesce, accertarsi che il file non sia già aperto in "
                              u"un altro programma e che la cartella del programma sia accessibile in "
                              u"scrittura.");
    out << QString::fromUtf16(u"Esci chiude la finestra e torna alla scheda.");
    return out.join(kParagraphBreak);
}

QString elenchiScadenze()
{
    return paragraphs({
        u"Gli elenchi delle scadenze mostrano in una tabella le scadenze e gli appuntamenti scelti, in "
        u"ordine cronologico di data e ora. La colonna N. indica l'ordine in cui le schede sono state "
        u"registrate; la colonna Codice univoco contiene mese, giorno, ora e minuti della scadenza ed è "
        u"la chiave dell'ordinamento.",

        u"Scadenze imminenti: il pulsante OK della finestra dello scadenzario elenca le scadenze "
        u"dell'anno in corso che sono entrate nel periodo di preavviso. Una scadenza è imminente dal "
        u"giorno che precede la sua data del numero di giorni di preavviso fino al giorno della "
        u"scadenza compreso; dal giorno successivo non lo è più, che sia stata pagata o no. Una scadenza "
        u"con preavviso 0 è imminente soltanto nel suo giorno.",

        u"Scadenze del giorno e del mese: selezionare una data nel calendario e premere SCADENZE DEL "
        u"GIORNO per le scadenze di quella data, oppure SCADENZE DEL MESE per tutte le scadenze di quel "
        u"mese. Viene letto l'archivio dell'anno della data scelta.",

        u"Il pulsante di esportazione salva la tabella in un file di Microsoft Excel nella cartella del "
        u"programma (Scadenze_Imminenti.xls, Scadenze_Giornaliere.xls o Scadenze_Mensili.xls), "
        u"sostituendo il file precedente, e propone di aprirlo. Alcune colonne (modalità di pagamento, "
        u"importo, estremi della ricevuta, conferma, pagamento e codice univoco) possono essere "
        u"modificate prima dell'esportazione: le modifiche passano nel file ma non nell'archivio.",

        u"Gli elenchi fotografano l'archivio nel momento in cui vengono aperti; per vedere le modifiche "
        u"successive chiudere e riaprire l'elenco. Esci chiude la finestra.",
    });
}

} // namespace

namespace Help {

QString title(HelpPage page)
{
    switch (page) {
    case HelpPage::Generale:
        return QStringLiteral("Uno sguardo a Quadrivo.");
    case HelpPage::Clienti:
        return QStringLiteral("Applicazione Anagrafica Clienti.");
    case HelpPage::Fornitori:
        return QStringLiteral("Applicazione Anagrafica Fornitori.");
    case HelpPage::Magazzino:
        return QStringLiteral("Applicazione Magazzino Prodotti e Servizi.");
    case HelpPage::Inventario:
        return QStringLiteral("Applicazione Inventario Merce.");
    case HelpPage::Preventivi:
        return QStringLiteral("Applicazione Emissione Preventivi.");
    case HelpPage::Scadenzario:
        return QStringLiteral("Applicazione Scadenzario e appuntamenti.");
    case HelpPage::EsportaClienti:
        return QStringLiteral("Esportazione archivio clienti in Microsoft Excel.");
    case HelpPage::EsportaFornitori:
        return QStringLiteral("Esportazione archivio fornitori in Microsoft Excel.");
    case HelpPage::EsportaMagazzino:
        return QStringLiteral("Esportazione archivio beni e servizi in Microsoft Excel.");
    case HelpPage::EsportaPreventivi:
        return QStringLiteral("Esportazione archivio preventivi in Microsoft Excel.");
    case HelpPage::EsportaScadenzario:
        return QStringLiteral("Esportazione Scadenzario e appuntamenti in Microsoft Excel.");
    case HelpPage::ScadenzeImminenti:
        return QStringLiteral("Visualizzazione scadenze o appuntamenti.");
    case HelpPage::ScadenzeGiorniMesi:
        return QStringLiteral("Visualizzazione scadenze e appuntamenti.");
    }
    return {};
}

QString text(HelpPage page)
{
    switch (page) {
    case HelpPage::Generale:
        return generale();
    case HelpPage::Clienti:
        return clienti();
    case HelpPage::Fornitori:
        return fornitori();
    case HelpPage::Magazzino:
        return magazzino();
    case HelpPage::Inventario:
        return inventario();
    case HelpPage::Preventivi:
        return preventivi();
    case HelpPage::Scadenzario:
        return scadenzario();
    case HelpPage::EsportaClienti:
        return esportazione(u"l'archivio dei clienti", u"Clienti.xls",
                            u"Non vengono esportati la data e il comune di nascita, la scadenza della carta "
                            u"di credito, l'indicazione Da ricontattare e i file allegati.");
    case HelpPage::EsportaFornitori:
        return esportazione(u"l'archivio dei fornitori", u"Fornitori.xls",
                            u"Non vengono esportati l'indicazione Da ricontattare e i file allegati.");
    case HelpPage::EsportaMagazzino:
        return esportazione(u"l'archivio dei prodotti e dei servizi", u"Magazzino.xls",
                            u"Non vengono esportati la soglia di sottoscorta e i file allegati.");
    case HelpPage::EsportaPreventivi:
        return esportazione(u"l'archivio dei preventivi dell'anno aperto nella finestra dei preventivi",
                            u"Preventivi.xls",
                            u"Per ogni preventivo vengono esportati numero, data, dati principali della "
                            u"Ditta emittente e del cliente, pagamento, banca, totali, note e indicazione "
                            u"In sospeso; non vengono esportate le righe degli articoli né i dati del "
                            u"trasporto.");
    case HelpPage::EsportaScadenzario:
        return esportazione(u"l'archivio delle scadenze e degli appuntamenti dell'anno aperto",
                            u"Scadenze_e_Appuntamenti.xls", nullptr);
    case HelpPage::ScadenzeImminenti:
    case HelpPage::ScadenzeGiorniMesi:
        return elenchiScadenze();
    }
    return {};
}

} // namespace Help
