<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ro">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About (Despre acest program)</source>
        <translation>About Kelmo</translation>
    </message>
    <message>
        <source>Laborator de prelucrare numerica a semnalelor
Realizat de echipa proiectului Kelmo
Construit cu Qt 6</source>
        <translation>A laboratory for discrete-time signal processing
Made by the Kelmo project team
Built with Qt 6</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ColumnPreviewDialog</name>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Punct si virgula ( ; )</source>
        <translation>Semicolon ( ; )</translation>
    </message>
    <message>
        <source>Virgula ( , )</source>
        <translation>Comma ( , )</translation>
    </message>
    <message>
        <source>Spatii</source>
        <translation>Spaces</translation>
    </message>
    <message>
        <source>Niciunul (o coloana)</source>
        <translation>None (one column)</translation>
    </message>
    <message>
        <source>Punct ( 1.5 )</source>
        <translation>Point ( 1.5 )</translation>
    </message>
    <message>
        <source>Virgula ( 1,5 )</source>
        <translation>Comma ( 1,5 )</translation>
    </message>
    <message>
        <source>cand citirea nu e sigura</source>
        <translation>when the reading is uncertain</translation>
    </message>
    <message>
        <source>la fiecare import</source>
        <translation>at every import</translation>
    </message>
    <message>
        <source>niciodata (nu mai intreba)</source>
        <translation>never (don&apos;t ask again)</translation>
    </message>
    <message>
        <source>%1, zecimale %2</source>
        <translation>%1, decimal %2</translation>
    </message>
    <message>
        <source>Nu se poate citi ca numar</source>
        <translation>Cannot be read as a number</translation>
    </message>
    <message>
        <source>Import tabel</source>
        <translation>Import table</translation>
    </message>
    <message>
        <source>&amp;Separator :</source>
        <translation>&amp;Separator:</translation>
    </message>
    <message>
        <source>&amp;Zecimale :</source>
        <translation>&amp;Decimals:</translation>
    </message>
    <message>
        <source>&amp;Antet : un rand cu numele coloanelor</source>
        <translation>&amp;Header: a row with the column names</translation>
    </message>
    <message>
        <source>Bifati coloanele de citit</source>
        <translation>Tick the columns to read</translation>
    </message>
    <message>
        <source>&amp;Arata aceasta fereastra :</source>
        <translation>Show this &amp;window:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Randurile de mai jos arata cum se citeste fisierul.</source>
        <translation>The rows below show how the file will be read.</translation>
    </message>
    <message>
        <source>Fisierul se poate citi in mai multe feluri; verificati citirea.</source>
        <translation>The file can be read in more than one way; please check the reading.</translation>
    </message>
    <message>
        <source>Se potriveste la fel de bine : %1</source>
        <translation>Fits just as well: %1</translation>
    </message>
    <message>
        <source>Coloana %1</source>
        <translation>Column %1</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>This file is read-only.
Try again with a different file name.</source>
        <translation>This file is read-only.
Try again with a different file name.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>All files</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>PC-DSP files</source>
        <translation>PC-DSP files</translation>
    </message>
    <message>
        <source>Kelmo files</source>
        <translation>Kelmo files</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Sound files</translation>
    </message>
    <message>
        <source>Text columns</source>
        <translation>Text columns</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV files</translation>
    </message>
    <message>
        <source>WAV files</source>
        <translation>WAV files</translation>
    </message>
    <message>
        <source>PNG pictures</source>
        <translation>PNG pictures</translation>
    </message>
    <message>
        <source>FLAC files</source>
        <translation>FLAC files</translation>
    </message>
</context>
<context>
    <name>FileOpener</name>
    <message>
        <source>Prea multe fisiere deodata (%1); se pot deschide cel mult %2.</source>
        <translation>Too many files at once (%1); at most %2 can be opened.</translation>
    </message>
    <message>
        <source>Este un dosar, nu un fisier.</source>
        <translation>This is a folder, not a file.</translation>
    </message>
    <message>
        <source>Tip de fisier necunoscut (se deschid fisiere .var, .dsp, de sunet si tabele .csv, .txt, .dat).</source>
        <translation>Unknown file type (Kelmo opens .var and .dsp files, sound files and .csv, .txt, .dat tables).</translation>
    </message>
    <message>
        <source>%1 fisiere nu au putut fi deschise :</source>
        <translation>%1 files could not be opened:</translation>
    </message>
    <message>
        <source>... si inca %1.</source>
        <translation>... and %1 more.</translation>
    </message>
</context>
<context>
    <name>GenerateDialog</name>
    <message>
        <source>Generare Functie</source>
        <translation>Generate function</translation>
    </message>
    <message>
        <source>&amp;Nume variabila :</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Functie : </source>
        <translation>&amp;Function:</translation>
    </message>
    <message>
        <source>Numar de &amp;sample-uri :</source>
        <translation>&amp;Sample count:</translation>
    </message>
    <message>
        <source>Tip Variabila : </source>
        <translation>Variable type: </translation>
    </message>
    <message>
        <source>&amp;Real</source>
        <translation>&amp;Real</translation>
    </message>
    <message>
        <source>&amp;Complex</source>
        <translation>&amp;Complex</translation>
    </message>
    <message>
        <source>Reprezentare complex : </source>
        <translation>Complex view: </translation>
    </message>
    <message>
        <source>Carte&amp;zian</source>
        <translation>Cartes&amp;ian</translation>
    </message>
    <message>
        <source>&amp;Polar</source>
        <translation>&amp;Polar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>KelmoApplication</name>
    <message>
        <source>Not enough memory</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unexpected error</translation>
    </message>
    <message>
        <source>Not enough memory to start a thread</source>
        <translation>Not enough memory to start a thread</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File (Fisiere)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save (salveaza starea curenta)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salveaza variabilele in formatul propriu Kelmo</source>
        <translation>Save the variables in Kelmo&apos;s own format</translation>
    </message>
    <message>
        <source>&amp;Open (incarca stare salvata)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Incarca un fisier in format Kelmo</source>
        <translation>Load a file in Kelmo format</translation>
    </message>
    <message>
        <source>Import (Incarca variabile)</source>
        <translation>Import (PC-DSP variables)</translation>
    </message>
    <message>
        <source>Incarca un fisier intr-un alt format decat cel propriu</source>
        <translation>Load a file in a format other than Kelmo&apos;s own</translation>
    </message>
    <message>
        <source>E&amp;xit (Iesire)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Iesire din program ! - Atentie nu se cere confirmare !</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>&amp;Genereaza</source>
        <translation>&amp;Generate</translation>
    </message>
    <message>
        <source>&amp;Functie</source>
        <translation>&amp;Function</translation>
    </message>
    <message>
        <source>Genereaza o noua variabila</source>
        <translation>Generate a new variable</translation>
    </message>
    <message>
        <source>F&amp;ereastra</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;Dirichlet (Dreptunghiulara)</source>
        <translation>&amp;Dirichlet (rectangular)</translation>
    </message>
    <message>
        <source>Genereaza o fereastra de tip Dirichlet</source>
        <translation>Generate a Dirichlet window</translation>
    </message>
    <message>
        <source>&amp;Bartlett (Triunghiulara)</source>
        <translation>&amp;Bartlett (triangular)</translation>
    </message>
    <message>
        <source>Genereaza o fereastra de tip Bartlett</source>
        <translation>Generate a Bartlett window</translation>
    </message>
    <message>
        <source>Blac&amp;kman</source>
        <translation>Blac&amp;kman</translation>
    </message>
    <message>
        <source>Genereaza o fereastra de tip Blackman</source>
        <translation>Generate a Blackman window</translation>
    </message>
    <message>
        <source>&amp;Hamming</source>
        <translation>&amp;Hamming</translation>
    </message>
    <message>
        <source>Genereaza o fereastra de tip Hamming</source>
        <translation>Generate a Hamming window</translation>
    </message>
    <message>
        <source>Ha&amp;nning</source>
        <translation>Ha&amp;nning</translation>
    </message>
    <message>
        <source>Genereaza o fereastra de tip Hanning</source>
        <translation>Generate a Hanning window</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>Transformata &amp;Z inversa</source>
        <translation>Inverse &amp;Z transform</translation>
    </message>
    <message>
        <source>Transformata Z inversa a unui raport de polinoame</source>
        <translation>The inverse Z transform of a ratio of polynomials</translation>
    </message>
    <message>
        <source>&amp;Poli, zerouri si raspuns H(z)</source>
        <translation>&amp;Poles, zeros and H(z) response</translation>
    </message>
    <message>
        <source>Polii, zerourile si raspunsul in frecventa ale unui raport de polinoame</source>
        <translation>The poles, zeros and frequency response of a ratio of polynomials</translation>
    </message>
    <message>
        <source>Variabila</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>&amp;Vizualizeaza</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Listeaza</source>
        <translation>&amp;List</translation>
    </message>
    <message>
        <source>&amp;Sterge</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Fourier</source>
        <translation>&amp;Fourier</translation>
    </message>
    <message>
        <source>Co&amp;relatie</source>
        <translation>Co&amp;rrelation</translation>
    </message>
    <message>
        <source>Con&amp;volutie</source>
        <translation>Convol&amp;ution</translation>
    </message>
    <message>
        <source>F&amp;erestruire</source>
        <translation>W&amp;indowing</translation>
    </message>
    <message>
        <source>&amp;Help (Ajutor)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Manual de utilizare</source>
        <translation>User &amp;manual</translation>
    </message>
    <message>
        <source>Un sumar manual de utilizare</source>
        <translation>A short user manual</translation>
    </message>
    <message>
        <source>&amp;About (Despre acest Program)</source>
        <translation>&amp;About Kelmo</translation>
    </message>
    <message>
        <source>Alege limba in care vorbeste programul</source>
        <translation>Choose the language the program speaks</translation>
    </message>
    <message>
        <source>Vizualizeaza</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Vizualizeaza continutul variabilei in forma grafica</source>
        <translation>Show the variable&apos;s contents as a graph</translation>
    </message>
    <message>
        <source>Listeaza</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Afiseaza continutul variabilei sub forma de tabel</source>
        <translation>Show the variable&apos;s contents as a table</translation>
    </message>
    <message>
        <source>Procesare</source>
        <translation>Processing</translation>
    </message>
    <message>
        <source>Ferestruire</source>
        <translation>Windowing</translation>
    </message>
    <message>
        <source>Pondereaza variabila cu o functie fereastra</source>
        <translation>Weight the variable with a window function</translation>
    </message>
    <message>
        <source>AutoCorelatie</source>
        <translation>Autocorrelation</translation>
    </message>
    <message>
        <source>Autocorelatia unei functii</source>
        <translation>The autocorrelation of a function</translation>
    </message>
    <message>
        <source>Fourier</source>
        <translation>Fourier</translation>
    </message>
    <message>
        <source>Resample</source>
        <translation>Resample</translation>
    </message>
    <message>
        <source>Schimba numarul de esantioane al unei variabile</source>
        <translation>Change the number of samples of a variable</translation>
    </message>
    <message>
        <source>Corelatie</source>
        <translation>Correlation</translation>
    </message>
    <message>
        <source>Corelatie intre doua variabile</source>
        <translation>Correlation between two variables</translation>
    </message>
    <message>
        <source>Convolutie</source>
        <translation>Convolution</translation>
    </message>
    <message>
        <source>Aduna</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Aduna doua variabile</source>
        <translation>Add two variables</translation>
    </message>
    <message>
        <source>Multiplica</source>
        <translation>Multiply</translation>
    </message>
    <message>
        <source>Inmulteste esantion cu esantion doua variabile</source>
        <translation>Multiply two variables sample by sample</translation>
    </message>
    <message>
        <source>Filtrare</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Trece variabila printr-un filtru H(z) = N(z) / D(z)</source>
        <translation>Pass the variable through a filter H(z) = N(z) / D(z)</translation>
    </message>
    <message>
        <source>Asculta</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Asculta variabila la frecventa ei de esantionare (8000 Hz daca nu are una)</source>
        <translation>Listen to the variable at its sample rate (8000 Hz if it has none)</translation>
    </message>
    <message>
        <source>Opreste sunetul</source>
        <translation>Stop the sound</translation>
    </message>
    <message>
        <source>Sterge</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Sterge o variabila sau mai multe variabile selectate</source>
        <translation>Delete one variable or several selected ones</translation>
    </message>
    <message>
        <source>Salveaza</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Salveaza o variabila sau mai multe variabile selectate</source>
        <translation>Save one variable or several selected ones</translation>
    </message>
    <message>
        <source>Frecventa de esantionare...</source>
        <translation>Sample rate...</translation>
    </message>
    <message>
        <source>Stabileste sau sterge frecventa de esantionare a variabilei, in Hz</source>
        <translation>Set or clear the variable&apos;s sample rate, in Hz</translation>
    </message>
    <message>
        <source>Variabilele s-au schimbat de la ultima salvare.
Le salvati inainte de iesire ?</source>
        <translation>The variables have changed since they were last saved.
Save them before quitting?</translation>
    </message>
    <message>
        <source>&amp;Salveaza</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Nu salva</source>
        <translation>Do&amp;n&apos;t save</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Editare</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Anuleaza ultima comanda care a schimbat variabilele</source>
        <translation>Undo the last command that changed the variables</translation>
    </message>
    <message>
        <source>Reface comanda anulata</source>
        <translation>Redo the command undone</translation>
    </message>
    <message>
        <source>Fisiere &amp;recente</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>Deschide unul din ultimele fisiere folosite</source>
        <translation>Open one of the files used lately</translation>
    </message>
    <message>
        <source>%1 fisiere</source>
        <translation>%1 files</translation>
    </message>
    <message>
        <source>Comanda nu mai poate fi refacuta: variabilele ei s-au schimbat</source>
        <translation>The command can no longer be redone: its variables have changed</translation>
    </message>
    <message>
        <source>Comanda nu mai poate fi anulata: variabilele ei s-au schimbat</source>
        <translation>The command can no longer be undone: its variables have changed</translation>
    </message>
    <message>
        <source>Memoria pentru anulare s-a umplut: cele mai vechi comenzi nu mai pot fi anulate</source>
        <translation>The undo memory is full: the oldest commands can no longer be undone</translation>
    </message>
    <message>
        <source>Memorie insuficienta: comenzile de pana acum nu mai pot fi anulate</source>
        <translation>Not enough memory: the commands so far can no longer be undone</translation>
    </message>
    <message>
        <source>&amp;Anuleaza</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Reface</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Import s&amp;unet (incarca WAV, FLAC, OGG, AIFF)</source>
        <translation>Import so&amp;und (WAV, FLAC, OGG, AIFF)</translation>
    </message>
    <message>
        <source>Incarca un fisier de sunet; fiecare canal devine o variabila</source>
        <translation>Load a sound file; each channel becomes a variable</translation>
    </message>
    <message>
        <source>Import &amp;tabel (incarca coloane CSV sau text)</source>
        <translation>Import &amp;table (CSV or text columns)</translation>
    </message>
    <message>
        <source>Incarca un tabel de numere; fiecare coloana devine o variabila</source>
        <translation>Load a table of numbers; each column becomes a variable</translation>
    </message>
    <message>
        <source>Export ta&amp;bel (salveaza CSV)</source>
        <translation>Export ta&amp;ble (CSV)</translation>
    </message>
    <message>
        <source>Salveaza variabilele intr-un tabel CSV, cate o coloana fiecare</source>
        <translation>Save the variables in a CSV table, one column each</translation>
    </message>
    <message>
        <source>Export sun&amp;et (salveaza WAV sau FLAC)</source>
        <translation>Export soun&amp;d (WAV or FLAC)</translation>
    </message>
    <message>
        <source>Salveaza variabilele intr-un fisier de sunet WAV sau FLAC, cate un canal fiecare</source>
        <translation>Save the variables in a WAV or FLAC sound file, one channel each</translation>
    </message>
</context>
<context>
    <name>NameCorrectionDialog</name>
    <message>
        <source>Numele este gol</source>
        <translation>The name is empty</translation>
    </message>
    <message>
        <source>Numele exista deja</source>
        <translation>The name is taken</translation>
    </message>
    <message>
        <source>Nume de functie</source>
        <translation>A function&apos;s name</translation>
    </message>
    <message>
        <source>Incepe cu o cifra</source>
        <translation>Starts with a digit</translation>
    </message>
    <message>
        <source>Caracter nepermis : </source>
        <translation>Invalid character: </translation>
    </message>
    <message>
        <source>spatiu</source>
        <translation>space</translation>
    </message>
    <message>
        <source>Caracter nepermis</source>
        <translation>Invalid character</translation>
    </message>
    <message>
        <source>Numele variabilei este gresit</source>
        <translation>Invalid variable name</translation>
    </message>
    <message>
        <source>Nume nou :</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Skip</translation>
    </message>
    <message>
        <source>Ignore &amp;All</source>
        <translation>Ignore &amp;All</translation>
    </message>
</context>
<context>
    <name>ProcessingDialog</name>
    <message>
        <source>Ferestruire</source>
        <translation>Windowing</translation>
    </message>
    <message>
        <source>Corelatie</source>
        <translation>Correlation</translation>
    </message>
    <message>
        <source>Schimbarea numarului de esantioane</source>
        <translation>Changing the number of samples</translation>
    </message>
    <message>
        <source>Adunare</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Inmultire</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Transformata Fourier</source>
        <translation>Fourier transform</translation>
    </message>
    <message>
        <source>Convolutie</source>
        <translation>Convolution</translation>
    </message>
    <message>
        <source>Filtrare</source>
        <translation>Filtering</translation>
    </message>
    <message>
        <source>Procesare</source>
        <translation>Processing</translation>
    </message>
    <message>
        <source>Autocorelatie</source>
        <translation>Autocorrelation</translation>
    </message>
    <message>
        <source>Resample</source>
        <translation>Resample</translation>
    </message>
    <message>
        <source>Directa</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Inversa</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Sursa :</source>
        <translation>Source:</translation>
    </message>
    <message>
        <source>Operand : </source>
        <translation>Operand:</translation>
    </message>
    <message>
        <source>Esantioane rezultat</source>
        <translation>Result samples</translation>
    </message>
    <message>
        <source> Destinatie : </source>
        <translation> Destination: </translation>
    </message>
    <message>
        <source>&amp;Aceeasi variabila</source>
        <translation>&amp;Same variable</translation>
    </message>
    <message>
        <source>&amp;Variabila noua</source>
        <translation>&amp;New variable</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Variabila %1 ferestruita cu %2</source>
        <translation>Variable %1 windowed with %2</translation>
    </message>
    <message>
        <source>Autocorelatia variabilei %1</source>
        <translation>Autocorrelation of variable %1</translation>
    </message>
    <message>
        <source>Variabilea %1 cu numar schimbat de sampleuri</source>
        <translation>Variable %1 with a changed number of samples</translation>
    </message>
    <message>
        <source>Corelatia variabilelor %1 si %2</source>
        <translation>Correlation of variables %1 and %2</translation>
    </message>
    <message>
        <source>Suma variabilelor %1 si %2</source>
        <translation>Sum of variables %1 and %2</translation>
    </message>
    <message>
        <source>Produsul variabilelor %1 si %2</source>
        <translation>Product of variables %1 and %2</translation>
    </message>
    <message>
        <source>Transformata Fourier a variabilei %1</source>
        <translation>Fourier transform of variable %1</translation>
    </message>
    <message>
        <source>Convolutia variabilelor %1 si %2</source>
        <translation>Convolution of variables %1 and %2</translation>
    </message>
    <message>
        <source>Variabila %1 filtrata cu H(z) = (%2) / (%3)</source>
        <translation>Variable %1 filtered with H(z) = (%2) / (%3)</translation>
    </message>
    <message>
        <source>Result too large: %1 samples, more than the %2 a variable holds</source>
        <translation>Result too large: %1 samples, more than the %2 a variable holds</translation>
    </message>
    <message>
        <source>Numar de esantioane gresit : %1
Se accepta valori intre %2 si %3.</source>
        <translation>Invalid number of samples: %1
Values from %2 to %3 are accepted.</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Fisierul nu mai exista si a fost scos din lista :</source>
        <translation>The file no longer exists and was taken off the list:</translation>
    </message>
</context>
<context>
    <name>SelectionDialog</name>
    <message>
        <source> Target (tinta) : </source>
        <translation> Target: </translation>
    </message>
    <message>
        <source>Toate variabilele</source>
        <translation>All variables</translation>
    </message>
    <message>
        <source>Selectie din lista</source>
        <translation>Those checked in the list</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Numai variabila pe care s-a dat click</source>
        <translation>Only the variable clicked on</translation>
    </message>
    <message>
        <source>Variabila pe care s-a dat click (%1)</source>
        <translation>The variable clicked on (%1)</translation>
    </message>
    <message>
        <source>Sterge variabile</source>
        <translation>Delete variables</translation>
    </message>
    <message>
        <source>Salveaza starea curenta</source>
        <translation>Save the current state</translation>
    </message>
</context>
<context>
    <name>SignalCommands</name>
    <message>
        <source>%1 de esantioane</source>
        <translation>%1 samples</translation>
    </message>
    <message>
        <source>Fisierul are %1, mai multe decat poate avea o variabila.
Se incarca numai primele %2 ?</source>
        <translation>The file has %1, more than a variable can hold.
Load only the first %2?</translation>
    </message>
    <message>
        <source>&amp;Incarca inceputul</source>
        <translation>&amp;Load the beginning</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Citirea tabelului nu a fost sigura (Shift + Import tabel o arata)</source>
        <translation>The reading of the table was uncertain (Shift + Import table shows it)</translation>
    </message>
    <message>
        <source>Exporta variabile (CSV)</source>
        <translation>Export variables (CSV)</translation>
    </message>
    <message>
        <source>Exporta variabile (WAV)</source>
        <translation>Export variables (WAV)</translation>
    </message>
    <message>
        <source>%1 esantioane erau in afara domeniului -1 ... +1 si au fost limitate.</source>
        <translation>%1 samples were outside -1 ... +1 and were clipped.</translation>
    </message>
</context>
<context>
    <name>SoundExportDialog</name>
    <message>
        <source>Salveaza ca sunet</source>
        <translation>Save as sound</translation>
    </message>
    <message>
        <source> Format : </source>
        <translation> Format: </translation>
    </message>
    <message>
        <source>WAV, 32 biti, virgula mobila</source>
        <translation>WAV, 32-bit floating point</translation>
    </message>
    <message>
        <source>WAV, 16 biti intregi</source>
        <translation>WAV, 16-bit integer</translation>
    </message>
    <message>
        <source>WAV, 24 biti intregi</source>
        <translation>WAV, 24-bit integer</translation>
    </message>
    <message>
        <source>FLAC, 16 biti intregi</source>
        <translation>FLAC, 16-bit integer</translation>
    </message>
    <message>
        <source>FLAC, 24 biti intregi</source>
        <translation>FLAC, 24-bit integer</translation>
    </message>
    <message>
        <source> Valori intregi : </source>
        <translation> Integer values: </translation>
    </message>
    <message>
        <source>&amp;Scalate la valoarea maxima</source>
        <translation>&amp;Scaled to full range</translation>
    </message>
    <message>
        <source>&amp;Asa cum sunt (+-1 = maxim)</source>
        <translation>&amp;As they are (+-1 = full range)</translation>
    </message>
    <message>
        <source>Frecventa de esantionare (Hz) :</source>
        <translation>Sample rate (Hz):</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Filtrul diverge : de la esantionul %1 valorile nu mai sunt finite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinul trebuie sa fie intre 1 si %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecventele de taiere trebuie sa fie intre 0 si %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecventa de esantionare trebuie sa fie pozitiva.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecventele de taiere trebuie sa fie crescatoare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un filtru trece-sus sau opreste-banda cere un ordin par.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fereastra aleasa anuleaza filtrul : alegeti un ordin mai mare sau alta fereastra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riplul trebuie sa fie intre 0 si 100 dB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sistemul este stabil.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sistemul nu este stabil : un pol este pe cercul unitate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sistemul este instabil : un pol este in afara cercului unitate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numitorul este nul.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coeficientul a0 al numitorului este nul.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un coeficient nu este un numar finit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coeficientii nenuli trebuie sa fie intre 1E-300 si 1E300 in valoare absoluta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinul este mai mare decat 50.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numaratorul este nul.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expresia se termina intr-un mod neasteptat.</source>
        <translation>The expression ends unexpectedly.</translation>
    </message>
    <message>
        <source>Trebuia inchisa o paranteza</source>
        <translation>A bracket was left open</translation>
    </message>
    <message>
        <source>Sir Vid.</source>
        <translation>Missing operand.</translation>
    </message>
    <message>
        <source>Constanta necunoscuta.</source>
        <translation>Unknown constant.</translation>
    </message>
    <message>
        <source>Functie necunoscuta.</source>
        <translation>Unknown function.</translation>
    </message>
    <message>
        <source>Identificator nerecunoscut.</source>
        <translation>Unknown name.</translation>
    </message>
    <message>
        <source>Am gasit o virgula unde nu trebuie</source>
        <translation>A comma where none belongs</translation>
    </message>
    <message>
        <source>Se inchid prea multe paranteze.</source>
        <translation>Too many closing brackets.</translation>
    </message>
    <message>
        <source>Format gresit de numar.</source>
        <translation>Malformed number.</translation>
    </message>
    <message>
        <source>Expresia este prea complexa.</source>
        <translation>The expression is too complex.</translation>
    </message>
    <message>
        <source>Caracter neasteptat : %1.</source>
        <translation>Unexpected character: %1.</translation>
    </message>
    <message>
        <source>No column of numbers in the file</source>
        <translation>No column of numbers in the file</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Path not found</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>File access denied</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Disk write error</translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation>Disk read error</translation>
    </message>
    <message>
        <source>Reading the file %1 failed.</source>
        <translation>Reading the file %1 failed.</translation>
    </message>
    <message>
        <source>Writing to the file %1 failed.</source>
        <translation>Writing to the file %1 failed.</translation>
    </message>
    <message>
        <source>Writing to the file %1 was refused.</source>
        <translation>Writing to the file %1 was refused.</translation>
    </message>
    <message>
        <source>Creating a file in the folder %1 was refused.</source>
        <translation>Creating a file in the folder %1 was refused.</translation>
    </message>
    <message>
        <source>%1 in row %2, column %3 : &quot;%4&quot;</source>
        <translation>%1 in row %2, column %3: &quot;%4&quot;</translation>
    </message>
    <message>
        <source>Missing value in row %1, column %2</source>
        <translation>Missing value in row %1, column %2</translation>
    </message>
    <message>
        <source>Column %1 holds only text and was left out</source>
        <translation>Column %1 holds only text and was left out</translation>
    </message>
    <message>
        <source>Columns %1 hold only text and were left out</source>
        <translation>Columns %1 hold only text and were left out</translation>
    </message>
    <message>
        <source>Cannot read the sound file : %1</source>
        <translation>Cannot read the sound file: %1</translation>
    </message>
    <message>
        <source>Cannot read the sound file : %1 channels (at most %2)</source>
        <translation>Cannot read the sound file: %1 channels (at most %2)</translation>
    </message>
    <message>
        <source>The sound file is incomplete : %1 samples expected, %2 read</source>
        <translation>The sound file is incomplete: %1 samples expected, %2 read</translation>
    </message>
    <message>
        <source>Cannot write the sound file : %1</source>
        <translation>Cannot write the sound file: %1</translation>
    </message>
    <message>
        <source>Cannot write the sound file : %1 channels (at most %2)</source>
        <translation>Cannot write the sound file: %1 channels (at most %2)</translation>
    </message>
    <message>
        <source>Invalid sample count in variable #%1</source>
        <translation>Invalid sample count in variable #%1</translation>
    </message>
    <message>
        <source>Cannot read the sound file : the file is empty</source>
        <translation>Cannot read the sound file: the file is empty</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Cannot read the sound file : invalid sample rate</source>
        <translation>Cannot read the sound file: invalid sample rate</translation>
    </message>
    <message>
        <source>The sound file holds no samples</source>
        <translation>The sound file holds no samples</translation>
    </message>
    <message>
        <source>Cannot write the sound file : no variable chosen</source>
        <translation>Cannot write the sound file: no variable chosen</translation>
    </message>
    <message>
        <source>Cannot write the sound file : invalid sample rate</source>
        <translation>Cannot write the sound file: invalid sample rate</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Invalid numeric input</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Read beyond end of file</translation>
    </message>
    <message>
        <source>Pozitie %1 :%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valoare : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panta : %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecventa [%1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cicluri/esantion</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ValueTableDialog</name>
    <message>
        <source>Variable Values</source>
        <translation>Variable values</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>%1.imaginar</source>
        <translation>%1.imag</translation>
    </message>
</context>
</TS>
