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
        <source>Arata aceasta &amp;fereastra :</source>
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
    <name>FilterDesignDialog</name>
    <message>
        <source>Proiectare filtru</source>
        <translation>Filter design</translation>
    </message>
    <message>
        <source>FIR, metoda ferestrei</source>
        <translation>FIR, window method</translation>
    </message>
    <message>
        <source>IIR Butterworth</source>
        <translation>IIR Butterworth</translation>
    </message>
    <message>
        <source>IIR Cebisev tip I</source>
        <translation>IIR Chebyshev type I</translation>
    </message>
    <message>
        <source>&amp;Metoda :</source>
        <translation>&amp;Method:</translation>
    </message>
    <message>
        <source>Trece jos</source>
        <translation>Low-pass</translation>
    </message>
    <message>
        <source>Trece sus</source>
        <translation>High-pass</translation>
    </message>
    <message>
        <source>Trece banda</source>
        <translation>Band-pass</translation>
    </message>
    <message>
        <source>Opreste banda</source>
        <translation>Band-stop</translation>
    </message>
    <message>
        <source>&amp;Banda :</source>
        <translation>&amp;Band:</translation>
    </message>
    <message>
        <source>&amp;Ordin :</source>
        <translation>&amp;Order:</translation>
    </message>
    <message>
        <source>fractiuni din fe</source>
        <translation>fractions of fs</translation>
    </message>
    <message>
        <source>&amp;Frecvente in :</source>
        <translation>&amp;Frequencies in:</translation>
    </message>
    <message>
        <source>f&amp;e (Hz) :</source>
        <translation>f&amp;s (Hz):</translation>
    </message>
    <message>
        <source>&amp;Taiere :</source>
        <translation>&amp;Cutoff:</translation>
    </message>
    <message>
        <source>Taiere &amp;sus :</source>
        <translation>&amp;Upper cutoff:</translation>
    </message>
    <message>
        <source>Fe&amp;reastra :</source>
        <translation>&amp;Window:</translation>
    </message>
    <message>
        <source>Ond&amp;ulatie (dB) :</source>
        <translation>&amp;Ripple (dB):</translation>
    </message>
    <message>
        <source>&amp;Variabila :</source>
        <translation>&amp;Variable:</translation>
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
        <source>Ordinul nu este un numar intreg.</source>
        <translation>The order is not a whole number.</translation>
    </message>
    <message>
        <source>Frecventa de esantionare nu este un numar.</source>
        <translation>The sample rate is not a number.</translation>
    </message>
    <message>
        <source>Frecventa de taiere nu este un numar.</source>
        <translation>The cutoff frequency is not a number.</translation>
    </message>
    <message>
        <source>Ondulatia nu este un numar.</source>
        <translation>The ripple is not a number.</translation>
    </message>
    <message>
        <source>Proiectarea nu da coeficienti finiti : alegeti alt ordin, alta fereastra sau alte frecvente.</source>
        <translation>The design gives coefficients that are not finite: choose another order, window or frequencies.</translation>
    </message>
    <message>
        <source>Filtrul are %1 coeficienti, mai multi decat cei %2 pe care ii primeste fereastra transformatei z inverse : coeficientii merg doar in variabila.</source>
        <translation>The filter has %1 coefficients, more than the %2 the inverse z-transform window takes: they go into the variable only.</translation>
    </message>
    <message>
        <source>Filtrul are %1 coeficienti, mai multi decat cei %2 pe care ii primeste fereastra transformatei z inverse : alegeti un ordin mai mic.</source>
        <translation>The filter has %1 coefficients, more than the %2 the inverse z-transform window takes: choose a lower order.</translation>
    </message>
    <message>
        <source>Coeficientii filtrului FIR %1 de ordin %2, fereastra %3</source>
        <translation>Coefficients of the %1 FIR filter of order %2, %3 window</translation>
    </message>
</context>
<context>
    <name>FilterFields</name>
    <message>
        <source>Numarator :</source>
        <translation>Numerator:</translation>
    </message>
    <message>
        <source>Numitor :</source>
        <translation>Denominator:</translation>
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
    <name>GraphWindow</name>
    <message>
        <source>Grafic</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Variabila 1</source>
        <translation>Variable 1</translation>
    </message>
    <message>
        <source>Variabila 2</source>
        <translation>Variable 2</translation>
    </message>
    <message>
        <source>Cartezian / &amp;Polar</source>
        <translation>Cartesian / &amp;Polar</translation>
    </message>
    <message>
        <source>Axa &amp;Y logaritmica</source>
        <translation>Log &amp;Y axis</translation>
    </message>
    <message>
        <source>Axa &amp;X logaritmica</source>
        <translation>Log &amp;X axis</translation>
    </message>
    <message>
        <source>&amp;Spectru</source>
        <translation>&amp;Spectrum</translation>
    </message>
    <message>
        <source>Spectru: x in Hz, |X| in dB (clic dreapta: asezarea)</source>
        <translation>Spectrum: x in Hz, |X| in dB (right-click: layout)</translation>
    </message>
    <message>
        <source>Spectru &amp;complet (0 .. fs)</source>
        <translation>&amp;Full spectrum (0 .. fs)</translation>
    </message>
    <message>
        <source>Spectru c&amp;entrat (-fs/2 .. fs/2)</source>
        <translation>&amp;Centred spectrum (-fs/2 .. fs/2)</translation>
    </message>
    <message>
        <source>Spectru &amp;unilateral (0 .. fs/2)</source>
        <translation>&amp;One-sided spectrum (0 .. fs/2)</translation>
    </message>
    <message>
        <source>&amp;Tot semnalul (Home)</source>
        <translation>&amp;Whole signal (Home)</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Pagina Principala</source>
        <translation>Main page</translation>
    </message>
    <message>
        <source>Aplicatia ofera posibilitatea generarii si vizualizarii unor semnale cu timp discret

In cele ce urmeaza vom denumi
aceste semnale variabile

In zona de lucru se pot vedea 
 variabilele aflate curent in 
 memorie

Prin Click stanga se pot selecta
 variabile in vederea efectuarii
 unor operatii

Prin Click dreapta se activeaza
 meniul din imagine</source>
        <translation>This program lets you generate and view discrete-time signals.

From here on we call these
signals variables.

The work area shows the
 variables that are in
 memory now.

A left click selects
 variables for an operation.

A right click opens the
 menu shown in the picture.</translation>
    </message>
    <message>
        <source>Generarea unei noi variabile</source>
        <translation>Generating a new variable</translation>
    </message>
    <message>
        <source>Se pot genera variabile pe baza unor functii matematice sau a altor variabile

X este o variabila care ia valori
 intre 0 si 1 in timpul generarii

Functii utilizabile sunt : 
 sin, cos, arcsin ...
 exp, ln, abs, sgn

Functii complexe :
 exp, abs, sin, cos, phase

Variabile generatoare de zgomot :
 noise, nnoise (fara paranteze)

Functiile corespunzatoare ferestrelor iau valori mai mari decat 0 numai in intervalul [0,1] 
Se poate seta numarul de esantioane care ne da precizia reprezentarii</source>
        <translation>Variables can be generated from mathematical functions or from other variables.

x is a variable that runs from
 0 to 1 during the generation.

Functions you can use:
 sin, cos, arcsin ...
 exp, ln, abs, sgn

Complex functions:
 exp, abs, sin, cos, phase

Noise sources:
 noise, nnoise (no parentheses)

The window functions are greater than 0 only on the interval [0,1].
The number of samples sets how finely the function is represented.</translation>
    </message>
    <message>
        <source>Salvarea si incarcarea variabilelor din fisiere</source>
        <translation>Saving and loading variables in files</translation>
    </message>
    <message>
        <source>Din meniul File pot fi incarcate si salvate valorile variabilelor
 atat in formatul propriu cat si in formate folosite de alte programe
 in versiunea curenta sunt suportate urmatoarele formate : 
    PC-DSP versiune DOS</source>
        <translation>The File menu loads and saves the values of variables,
 both in the program&apos;s own format and in formats used by other programs.
 This version supports the following formats:
    PC-DSP, DOS version</translation>
    </message>
    <message>
        <source>Operatii cu variabile</source>
        <translation>Operations on variables</translation>
    </message>
    <message>
        <source> Programul permite lucrul cu variabile in doua moduri :
 - prin intermediul ferestrei &quot;Generare functie&quot;
       datele dintr-o variabila pot fi accesate folosind numele acesteia ca pe un nume de
        functie, de ex.: exp(nume_variabila(x))
       variabila este considerata in acest caz o functie periodica, cu perioada 1 care in 
        intervalul [0,1) ia valorile variabilei
       intre esantioanele variabilei se face si o interpolare cu filtrarea frecventelor mai mari 
        decat jumatatea frecventei de esantionare

 - al doilea mod este necesar pentru a efectua transformate, convolutii, etc.
   operatiile permise sunt : 
     - ferestruire
     - adunare, inmultire variabile
     - schimbarea numarului de esantioane (resample) cu interpolare liniara
     - transformata Fourier (intotdeauna rapida, chiar si cand numarul de esantioane
            nu este putere a lui 2)
     - corelatie si convolutie</source>
        <translation> The program works with variables in two ways:
 - in the function generation window
       a variable&apos;s samples are read by using its name as a function name,
        for example exp(variable_name(x))
       the variable then acts as a periodic function with period 1 that takes
        the variable&apos;s values on [0,1)
       between samples the variable is interpolated, and frequencies above
        half the sampling rate are filtered out

 - the second way is needed for transforms, convolutions and the like
   the operations are:
     - windowing
     - adding and multiplying variables
     - changing the number of samples (resample) with linear interpolation
     - Fourier transform (always a fast one, even when the number of samples
            is not a power of 2)
     - correlation and convolution</translation>
    </message>
    <message>
        <source>Exercitii demonstrative --- partea I ---</source>
        <translation>Guided exercises --- part I ---</translation>
    </message>
    <message>
        <source> Exercitiul 1 :
 - pentru inceput este utila cunoasterea scurtaturilor din taste
 - INS va aduce Fereastra de Generare functie
 in cazul in care nu este posibila folosirea unui mouse navigarea in fereastra se poate
 si cu ajutorul tastei TAB sau a combinatiei Shift-TAB
 !!! Atentie !!! - dupa completarea unui camp NU se trece la urmatorul cu tasta ENTER 
 aceasta avand rolul de a confirma datele introduse si de a genera variabila

 - vom genera o sinusoida modulata in frecventa
 putem folosi formula sin(x*pi*50+4*sin(x*17))
 se observa ca datorita termenului x*pi*50 vom avea 25 de perioade
 si aproximativ 3 perioade ale semnalului modulator datorita termenului x*17
 reamintim faptul ca X ia valori intre 0 si 1 la generarea variabilei
 - alegem un numar de 512 esantioane pentru a asigura o precizie buna a reprezentarii
 - pentru a creea variabila si a o adauga in lista de variabile apasam ENTER
 remarcam faptul ca variabila a fost adaugata in lista</source>
        <translation> Exercise 1:
 - to begin with, it helps to know the keyboard shortcuts
 - INS opens the function generation window
 if you cannot use a mouse, move around the window with the TAB key
 or with Shift+TAB
 !!! Careful !!! - do NOT press ENTER to move on after filling in a field:
 ENTER confirms what you typed and generates the variable

 - we will generate a frequency-modulated sine wave
 we can use the formula sin(x*pi*50+4*sin(x*17))
 the term x*pi*50 gives 25 periods
 and the term x*17 about 3 periods of the modulating signal
 remember that x runs from 0 to 1 while the variable is generated
 - we choose 512 samples, so that the variable is represented accurately
 - press ENTER to create the variable and add it to the list
 note that the variable now appears in the list</translation>
    </message>
    <message>
        <source>Exercitii demonstrative --- partea II ---</source>
        <translation>Guided exercises --- part II ---</translation>
    </message>
    <message>
        <source> Exercitiul 2 :
 - creem o variabila in cazul in care aceasta nu exista deja
 (variabila de la exercitiul precedent este potrivita)
 - executand CLICK dreapta pe variabila selectam Procesare-&gt;Fourier, sau din meniul 
 variabila, sau folosind tasta F ajungem la fereastra cu transformata Fourier
 - putem inlocui variabila cu transformata sa Fourier sau putem genera o noua variabila
 - alegem optiunea de listare a variabilei, tot prin una din cele 3 metode
 (scurtatura din taste este L)
 se observa ca variabila poate fi si editata
 - alegem optiunea Vizualizeaza (Enter)
 se observa ca se poate alege o scara logaritmica pe oricare din axe
 plimband mouse-ul pe deasupra graficului vor fi tiparite valoarea si
 panta functiei la coordonata X respectiva
 in functie de scara aleasa pt. axe (logaritmica sau nu) panta este afisata
 in unitatiY/unitatiX, unitati/decada, dB/decada, dB/unitatiX</source>
        <translation> Exercise 2:
 - create a variable if there is none yet
 (the one from the previous exercise will do)
 - right-click the variable and choose Processing-&gt;Fourier, or use the Variable
 menu, or press F: each of these opens the Fourier transform window
 - you can replace the variable with its Fourier transform or make a new variable
 - now choose to list the variable, again in any of the 3 ways
 (the keyboard shortcut is L)
 note that the values can also be edited
 - choose View (Enter)
 note that either axis can be made logarithmic
 as you move the mouse over the graph, it shows the value and
 the slope of the function at that x
 depending on the scales chosen for the axes (logarithmic or not), the slope is
 shown in unitsY/unitsX, units/decade, dB/decade or dB/unitsX</translation>
    </message>
    <message>
        <source>Exercitii demonstrative --- partea III ---</source>
        <translation>Guided exercises --- part III ---</translation>
    </message>
    <message>
        <source> Exercitiul 3 :
 - interpolare
 - creem variabila sin9 cu expresia sin(2*pi*x) avand 9 esantioane, apoi creem o
 variabila sin256 cu expresia sin9(x) si 128 de esantioane
 - folosind transformata Fourier analizam spectrul celor doua variabile
 - se genereaza o variabila si cu ajutorul functiei Resample avand tot 128 de esantioane
 si se compara spectrul acesteia cu spectrul variabilei sin256

 Exercitiul 4 :
 - se genereaza o sinusoida cu 16.5 perioade
 - se &quot;ferestruieste&quot; cu cele 5 tipuri de ferestre disponibile creandu-se variabile separate
 pentru fiecare tip de fereastra
 - se face o analiza spectrala a rezultatului
 - ce concluzii puteti trage in privinta diferitelor tipuri de ferestre ?

Exercitiul 5 :
 - incercati sa generati functii cu grad mai mare de complexitate
 dirichlet(x*2-1)*(sin(x*pi*2)+0.5)+x*dirichlet(x*2.02)+0.01*noise+0.02*exp(i*x*20)</source>
        <translation> Exercise 3:
 - interpolation
 - create a variable sin9 with the expression sin(2*pi*x) and 9 samples, then a
 variable sin256 with the expression sin9(x) and 128 samples
 - use the Fourier transform to look at the spectra of the two variables
 - generate one more variable with the Resample function, also with 128 samples,
 and compare its spectrum with that of sin256

 Exercise 4:
 - generate a sine wave with 16.5 periods
 - &quot;window&quot; it with each of the 5 available windows, making a separate variable
 for each type of window
 - look at the spectrum of each result
 - what can you conclude about the different types of windows?

 Exercise 5:
 - try generating more complex functions, for example
 dirichlet(x*2-1)*(sin(x*pi*2)+0.5)+x*dirichlet(x*2.02)+0.01*noise+0.02*exp(i*x*20)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Ajutor pentru programul Kelmo</source>
        <translation>Kelmo help</translation>
    </message>
    <message>
        <source>:/help/HELP_MA.png</source>
        <extracomment>The picture of the main window&apos;s menus made in this language (screenshots --help-pictures)</extracomment>
        <translation>:/help/en/HELP_MA.png</translation>
    </message>
    <message>
        <source>:/help/HELP_FUN.png</source>
        <extracomment>The picture of the generation dialog made in this language (screenshots --help-pictures)</extracomment>
        <translation>:/help/en/HELP_FUN.png</translation>
    </message>
</context>
<context>
    <name>InverseZWindow</name>
    <message>
        <source>Transformata z inversa</source>
        <translation>Inverse z-transform</translation>
    </message>
    <message>
        <source>Introduceti coeficientii polinomului, separati prin virgula (,) incapand cu termenul liber.</source>
        <translation>Type the coefficients separated by commas (,), constant term first.</translation>
    </message>
    <message>
        <source>Num&amp;arator :</source>
        <translation>&amp;Numerator:</translation>
    </message>
    <message>
        <source>&amp;Numitor :</source>
        <translation>&amp;Denominator:</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Valoare</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Poli si zerouri / Raspuns</source>
        <translation>Poles and zeros / Response</translation>
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
    <name>PictureExportDialog</name>
    <message>
        <source>Salveaza graficul</source>
        <translation>Save the graph</translation>
    </message>
    <message>
        <source>PNG (imagine)</source>
        <translation>PNG (image)</translation>
    </message>
    <message>
        <source>SVG (desen vectorial)</source>
        <translation>SVG (vector drawing)</translation>
    </message>
    <message>
        <source>PDF (document)</source>
        <translation>PDF (document)</translation>
    </message>
    <message>
        <source>&amp;Alta marime :</source>
        <translation>&amp;Other size:</translation>
    </message>
    <message>
        <source>Pentru &amp;tiparire (fundal alb, titluri, legenda)</source>
        <translation>For &amp;print (white background, titles, legend)</translation>
    </message>
    <message>
        <source>&amp;Format :</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Marimea din fereastra (%1 x %2)</source>
        <translation>&amp;Size in the window (%1 x %2)</translation>
    </message>
</context>
<context>
    <name>PlotCurves</name>
    <message>
        <source>%1: modul</source>
        <translation>%1: magnitude</translation>
    </message>
    <message>
        <source>%1: faza</source>
        <translation>%1: phase</translation>
    </message>
    <message>
        <source>%1: imaginar</source>
        <translation>%1: imaginary</translation>
    </message>
    <message>
        <source>%1: real</source>
        <translation>%1: real</translation>
    </message>
</context>
<context>
    <name>PlotFrame</name>
    <message>
        <source>Esantion</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>Modul [dB]</source>
        <translation>Magnitude [dB]</translation>
    </message>
    <message>
        <source>Modul</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Valoare</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>PoleZeroPlot</name>
    <message>
        <source>zerouri la infinit : %1</source>
        <translation>zeros at infinity: %1</translation>
    </message>
    <message>
        <source>dincolo de margine : %1</source>
        <translation>beyond the edge: %1</translation>
    </message>
    <message>
        <source>margine |z| = %1</source>
        <translation>edge |z| = %1</translation>
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
    <name>SampleRateDialog</name>
    <message>
        <source>Frecventa de esantionare</source>
        <translation>Sample rate</translation>
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
        <source>&amp;Frecventa variabilei %1 [Hz] (nimic: fara frecventa) :</source>
        <translation>&amp;Sample rate of %1 [Hz] (empty: none):</translation>
    </message>
    <message>
        <source>Frecventa trebuie sa fie un numar mai mare decat 0 si cel mult 1000000000, scris cu punct zecimal</source>
        <translation>The rate must be a number above 0 and at most 1000000000, written with a decimal point</translation>
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
    <name>SignalPlayer</name>
    <message>
        <source>Frecventa de esantionare %1 Hz nu poate fi redata (se pot reda %2 ... %3 Hz).</source>
        <translation>A sample rate of %1 Hz cannot be played (playable rates: %2 ... %3 Hz).</translation>
    </message>
    <message>
        <source>Nu exista niciun dispozitiv audio : variabila nu poate fi ascultata.</source>
        <translation>There is no audio device: the variable cannot be played.</translation>
    </message>
    <message>
        <source>Dispozitivul audio %1 nu poate reda la %2 Hz.</source>
        <translation>The audio device %1 cannot play at %2 Hz.</translation>
    </message>
    <message>
        <source>Dispozitivul audio %1 nu a putut fi deschis.</source>
        <translation>The audio device %1 could not be opened.</translation>
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
    <name>SystemPanel</name>
    <message>
        <source>H(z) = (b0 + b1 z^-1 + ...) / (a0 + a1 z^-1 + ...), cu b0, b1, ... coeficientii numaratorului de la ultimul spre termenul liber si a0, a1, ... ai numitorului de la ultimul coeficient nenul. Randurile 1 ... 50 sunt raspunsul la impuls h[0] ... h[49] al filtrului y[n] = (b0 x[n] + b1 x[n-1] + ... - a1 y[n-1] - ...) / a0.</source>
        <translation>H(z) = (b0 + b1 z^-1 + ...) / (a0 + a1 z^-1 + ...): b0, b1, ... are the numerator&apos;s coefficients from the last back to the constant term, a0, a1, ... the denominator&apos;s from its last nonzero one. Rows 1 ... 50 are the impulse response h[0] ... h[49] of the filter y[n] = (b0 x[n] + b1 x[n-1] + ... - a1 y[n-1] - ...) / a0.</translation>
    </message>
    <message>
        <source>Frecventa de esantionare (Hz) :</source>
        <translation>Sample rate (Hz):</translation>
    </message>
    <message>
        <source>Proiectare filtru...</source>
        <translation>Design filter...</translation>
    </message>
    <message>
        <source>Nume :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Trimite h[n]</source>
        <translation>Send h[n]</translation>
    </message>
    <message>
        <source>Trimite si vizualizeaza</source>
        <translation>Send and plot</translation>
    </message>
    <message>
        <source>Raspunsul la impuls al H(z) = (%1) / (%2)</source>
        <translation>Impulse response of H(z) = (%1) / (%2)</translation>
    </message>
    <message>
        <source>Seria diverge : de la termenul %1 valorile nu mai sunt finite.</source>
        <translation>The series diverges: from term %1 on, the values are no longer finite.</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Filtrul diverge : de la esantionul %1 valorile nu mai sunt finite.</source>
        <translation>The filter diverges: from sample %1 on, the values are no longer finite.</translation>
    </message>
    <message>
        <source>Ordinul trebuie sa fie intre 1 si %1.</source>
        <translation>The order must be between 1 and %1.</translation>
    </message>
    <message>
        <source>Frecventele de taiere trebuie sa fie intre 0 si %1.</source>
        <translation>The cutoff frequencies must be between 0 and %1.</translation>
    </message>
    <message>
        <source>Frecventa de esantionare trebuie sa fie pozitiva.</source>
        <translation>The sample rate must be positive.</translation>
    </message>
    <message>
        <source>Frecventele de taiere trebuie sa fie crescatoare.</source>
        <translation>The cutoff frequencies must be in increasing order.</translation>
    </message>
    <message>
        <source>Un filtru trece-sus sau opreste-banda cere un ordin par.</source>
        <translation>A high-pass or band-stop filter needs an even order.</translation>
    </message>
    <message>
        <source>Fereastra aleasa anuleaza filtrul : alegeti un ordin mai mare sau alta fereastra.</source>
        <translation>The chosen window cancels the filter: choose a higher order or another window.</translation>
    </message>
    <message>
        <source>Riplul trebuie sa fie intre 0 si 100 dB.</source>
        <translation>The ripple must be between 0 and 100 dB.</translation>
    </message>
    <message>
        <source>Sistemul este stabil.</source>
        <translation>The system is stable.</translation>
    </message>
    <message>
        <source>Sistemul nu este stabil : un pol este pe cercul unitate.</source>
        <translation>The system is not stable: a pole lies on the unit circle.</translation>
    </message>
    <message>
        <source>Sistemul este instabil : un pol este in afara cercului unitate.</source>
        <translation>The system is unstable: a pole lies outside the unit circle.</translation>
    </message>
    <message>
        <source>Numitorul este nul.</source>
        <translation>The denominator is zero.</translation>
    </message>
    <message>
        <source>Coeficientul a0 al numitorului este nul.</source>
        <translation>The denominator&apos;s coefficient a0 is zero.</translation>
    </message>
    <message>
        <source>Un coeficient nu este un numar finit.</source>
        <translation>A coefficient is not a finite number.</translation>
    </message>
    <message>
        <source>Coeficientii nenuli trebuie sa fie intre 1E-300 si 1E300 in valoare absoluta.</source>
        <translation>Nonzero coefficients must be between 1E-300 and 1E300 in absolute value.</translation>
    </message>
    <message>
        <source>Ordinul este mai mare decat 50.</source>
        <translation>The order is above 50.</translation>
    </message>
    <message>
        <source>Numaratorul este nul.</source>
        <translation>The numerator is zero.</translation>
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
        <translation>Position %1: %2</translation>
    </message>
    <message>
        <source>Valoare : %1</source>
        <translation>Value: %1</translation>
    </message>
    <message>
        <source>Panta : %1%2</source>
        <translation>Slope: %1%2</translation>
    </message>
    <message>
        <source>Frecventa [%1]</source>
        <translation>Frequency [%1]</translation>
    </message>
    <message>
        <source>cicluri/esantion</source>
        <translation>cycles/sample</translation>
    </message>
    <message>
        <source>f = %1 %2</source>
        <translation>f = %1 %2</translation>
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
