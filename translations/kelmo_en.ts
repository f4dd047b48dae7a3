<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ro">
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
