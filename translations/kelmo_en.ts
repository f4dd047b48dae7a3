<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ro">
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
</TS>
