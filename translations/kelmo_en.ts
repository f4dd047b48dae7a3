<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ro">
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
    <name>MainWindow</name>
    <message>
        <source>&amp;File (Fisiere)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save (salveaza starea curenta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salveaza variabilele in formatul propriu Kelmo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open (incarca stare salvata)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incarca un fisier in format Kelmo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import (Incarca variabile)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incarca un fisier intr-un alt format decat cel propriu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit (Iesire)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iesire din program ! - Atentie nu se cere confirmare !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Genereaza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Functie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genereaza o noua variabila</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ereastra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dirichlet (Dreptunghiulara)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genereaza o fereastra de tip Dirichlet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bartlett (Triunghiulara)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genereaza o fereastra de tip Bartlett</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blac&amp;kman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genereaza o fereastra de tip Blackman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hamming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genereaza o fereastra de tip Hamming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ha&amp;nning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genereaza o fereastra de tip Hanning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transformata &amp;Z inversa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transformata Z inversa a unui raport de polinoame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Poli, zerouri si raspuns H(z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polii, zerourile si raspunsul in frecventa ale unui raport de polinoame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variabila</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vizualizeaza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Listeaza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sterge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fourier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;relatie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con&amp;volutie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;erestruire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help (Ajutor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manual de utilizare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un sumar manual de utilizare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About (Despre acest Program)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alege limba in care vorbeste programul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vizualizeaza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vizualizeaza continutul variabilei in forma grafica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listeaza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afiseaza continutul variabilei sub forma de tabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procesare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferestruire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pondereaza variabila cu o functie fereastra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoCorelatie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autocorelatia unei functii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schimba numarul de esantioane al unei variabile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corelatie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corelatie intre doua variabile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convolutie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aduna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aduna doua variabile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inmulteste esantion cu esantion doua variabile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtrare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trece variabila printr-un filtru H(z) = N(z) / D(z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asculta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asculta variabila la frecventa ei de esantionare (8000 Hz daca nu are una)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opreste sunetul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sterge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sterge o variabila sau mai multe variabile selectate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salveaza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salveaza o variabila sau mai multe variabile selectate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecventa de esantionare...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stabileste sau sterge frecventa de esantionare a variabilei, in Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variabila pe care s-a dat click (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variabilele s-au schimbat de la ultima salvare.
Le salvati inainte de iesire ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salveaza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nu salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Editare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuleaza ultima comanda care a schimbat variabilele</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reface comanda anulata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fisiere &amp;recente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deschide unul din ultimele fisiere folosite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fisiere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comanda nu mai poate fi refacuta: variabilele ei s-au schimbat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comanda nu mai poate fi anulata: variabilele ei s-au schimbat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memoria pentru anulare s-a umplut: cele mai vechi comenzi nu mai pot fi anulate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorie insuficienta: comenzile de pana acum nu mai pot fi anulate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Anuleaza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reface</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trebuia inchisa o paranteza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sir Vid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constanta necunoscuta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functie necunoscuta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identificator nerecunoscut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Am gasit o virgula unde nu trebuie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se inchid prea multe paranteze.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format gresit de numar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expresia este prea complexa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caracter neasteptat : %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No column of numbers in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the file %1 failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to the file %1 failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to the file %1 was refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating a file in the folder %1 was refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in row %2, column %3 : &quot;%4&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing value in row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1 holds only text and was left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns %1 hold only text and were left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the sound file : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the sound file : %1 channels (at most %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound file is incomplete : %1 samples expected, %2 read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the sound file : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the sound file : %1 channels (at most %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid sample count in variable #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the sound file : the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the sound file : invalid sample rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound file holds no samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the sound file : no variable chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the sound file : invalid sample rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation type="unfinished"></translation>
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
</TS>
